// A stand-in for the Java runtime: records what it was given, writes to its
// standard output and standard error, and ends.
//
// It appends to the record beside itself (JavaRecord.h) the fields
// commandLine (byte for byte), currentDirectory, stdout and stderr (file,
// console, none or other), console (yes or no) and pid; then writes, on each
// valid standard handle, "standin stdout <pid>" or "standin stderr <pid>" with
// CR LF; after STANDIN_SLEEP_MS milliseconds (an environment variable,
// default 0) "standin done <pid>" on standard output; last, the field
// finished=<pid>.
//
// With STANDIN_FLOOD_EVENT naming an event, right after its first two lines
// it writes numbered lines "standin line <pid> <n>" (n from 0) on standard
// output, one write each: at least STANDIN_FLOOD_LINES of them, and on until
// the event is signalled (at most FLOOD_LINE_LIMIT). Tests make writers
// overlap with it.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "HarnessFacts.h"
#include "JavaRecord.h"
#include "UniqueHandle.h"

namespace {

constexpr DWORD NUMBER_VALUE_CHARS = 32;
constexpr int DECIMAL_BASE = 10;

const char* DescribeHandle(HANDLE handle)
{
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return "none";
    }
    switch (GetFileType(handle)) {
    case FILE_TYPE_DISK:
        return "file";
    case FILE_TYPE_CHAR:
        return "console";
    default:
        return "other";
    }
}

// Appends in one write, so that records of overlapping runs stay whole.
void AppendToRecord(const std::string& text)
{
    const UniqueHandle file(CreateFileA(BesideThisExecutable(JAVA_RECORD_FILE).c_str(),
                                        FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return;
    }
    DWORD written = 0;
    WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void WriteLine(DWORD standardHandle, const std::string& line)
{
    const HANDLE handle = GetStdHandle(standardHandle);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return;
    }
    const std::string bytes = line + "\r\n";
    DWORD written = 0;
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// The number an environment variable holds; 0 when it is not set.
DWORD NumberFromEnvironment(const char* name)
{
    char value[NUMBER_VALUE_CHARS] = {};
    if (GetEnvironmentVariableA(name, value, sizeof value) == 0) {
        return 0;
    }
    return static_cast<DWORD>(std::strtoul(value, nullptr, DECIMAL_BASE));
}

DWORD SleepMilliseconds()
{
    return NumberFromEnvironment("STANDIN_SLEEP_MS");
}

// A test that died before it signalled must not leave a flood filling the disk.
constexpr DWORD FLOOD_LINE_LIMIT = 1000000;

// Without the event (never made, or already gone) the minimum is all.
bool StopRequested(HANDLE stop)
{
    return stop == nullptr || WaitForSingleObject(stop, 0) == WAIT_OBJECT_0;
}

void FloodStandardOutput(const std::string& pid)
{
    char eventName[MAX_PATH] = {};
    if (GetEnvironmentVariableA("STANDIN_FLOOD_EVENT", eventName, sizeof eventName) == 0) {
        return;
    }
    const UniqueHandle stop(OpenEventA(SYNCHRONIZE, FALSE, eventName));
    const DWORD minimum = NumberFromEnvironment("STANDIN_FLOOD_LINES");
    for (DWORD line = 0;
         line < FLOOD_LINE_LIMIT && (line < minimum || !StopRequested(stop.Get())); ++line) {
        WriteLine(STD_OUTPUT_HANDLE, "standin line " + pid + " " + std::to_string(line));
    }
}

}  // namespace

int main()
{
    const std::string pid = std::to_string(GetCurrentProcessId());
    char currentDirectory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, currentDirectory);
    AppendToRecord(
        JavaRecordField(FIELD_COMMAND_LINE, GetCommandLineA()) +
        JavaRecordField(FIELD_CURRENT_DIRECTORY, currentDirectory) +
        JavaRecordField(FIELD_STDOUT, DescribeHandle(GetStdHandle(STD_OUTPUT_HANDLE))) +
        JavaRecordField(FIELD_STDERR, DescribeHandle(GetStdHandle(STD_ERROR_HANDLE))) +
        JavaRecordField(FIELD_CONSOLE, GetConsoleWindow() != nullptr ? "yes" : "no") +
        JavaRecordField(FIELD_PID, pid));
    WriteLine(STD_OUTPUT_HANDLE, "standin stdout " + pid);
    WriteLine(STD_ERROR_HANDLE, "standin stderr " + pid);
    FloodStandardOutput(pid);
    Sleep(SleepMilliseconds());
    WriteLine(STD_OUTPUT_HANDLE, "standin done " + pid);
    AppendToRecord(JavaRecordField(FIELD_FINISHED, pid));
    return 0;
}
