// The record the stand-in Java runtime keeps of what it received, written by
// the stand-in and read by the tests and the benchmark.
//
// The record is a sequence of fields, each "<key>=<length>:<value>" ended by
// CR LF, where <length> is the value's length in bytes in decimal. The length
// makes every value unambiguous whatever bytes it holds: a command line with
// a line end, "=", or the text of another field is read back whole. Runs that
// overlap append whole fields, so one file may hold the fields of several
// runs in turn.
#pragma once

#include <string>
#include <vector>

// The record's file, beside the stand-in's executable.
inline constexpr const char* JAVA_RECORD_FILE = "received.txt";

// The fields the stand-in writes, in this order, once per run.
inline constexpr const char* FIELD_COMMAND_LINE = "commandLine";
inline constexpr const char* FIELD_CURRENT_DIRECTORY = "currentDirectory";
inline constexpr const char* FIELD_STDOUT = "stdout";  // file, console, none or other
inline constexpr const char* FIELD_STDERR = "stderr";
inline constexpr const char* FIELD_CONSOLE = "console";  // yes or no
inline constexpr const char* FIELD_PID = "pid";
// Written last, after the run's output: the run is over.
inline constexpr const char* FIELD_FINISHED = "finished";

// One field as the record's text.
std::string JavaRecordField(const std::string& key, const std::string& value);

struct JavaRecordEntry {
    std::string key;
    std::string value;
};

// The fields of a record in the order written. Reading stops at a piece that
// is not a whole field (a write still under way).
std::vector<JavaRecordEntry> ParseJavaRecord(const std::string& record);

// Every value of key, in the order written.
std::vector<std::string> JavaRecordValues(const std::string& record, const std::string& key);

// The first value of key; the empty text when the record has none.
std::string JavaRecordValue(const std::string& record, const std::string& key);

// True once a run has written its last field.
bool JavaRecordFinished(const std::string& record);
