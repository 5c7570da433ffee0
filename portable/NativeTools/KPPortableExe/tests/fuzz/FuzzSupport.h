// What every fuzzer of the launcher's logic shares: a check that aborts, so
// that libFuzzer reports the input as a crash even in an NDEBUG build, and
// the launch log's stand-in.
#pragma once

#include <cstddef>

// Prints what was violated and aborts when condition is false.
void Require(bool condition, const char* violated);

// What the stand-in for WriteLogEntry has seen since the last reset.
struct LogRecord {
    std::size_t entryCount;
    std::size_t alternateFileEntries;  // "load another property file"
    std::size_t extractEntries;        // "extract property"
    std::size_t argumentEntries;       // launcherState.propertyArgument itself
    bool argumentFollowedExtract;      // the entry after "extract property" was the argument
    const char* lastEntry;
};

extern LogRecord logRecord;

void ResetLogRecord();
