// Stands in for the launch log: every entry must be a whole, terminated text
// (AddressSanitizer checks the length scan); it is counted, not written.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "FuzzSupport.h"
#include "LaunchLog.h"
#include "LauncherState.h"

LogRecord logRecord;

void Require(bool condition, const char* violated)
{
    if (!condition) {
        std::fprintf(stderr, "violated: %s\n", violated);
        std::abort();
    }
}

void ResetLogRecord()
{
    logRecord = LogRecord{};
}

void WriteLogEntry(const char* text)
{
    Require(text != nullptr, "a log entry is a text");
    Require(strnlen(text, COMMAND_BUFFER_SIZE) < COMMAND_BUFFER_SIZE,
            "a log entry fits a command buffer");
    // The argument is told apart by where it lives, since its text may be
    // anything, an announcement's words included.
    if (text == launcherState.propertyArgument) {
        ++logRecord.argumentEntries;
        logRecord.argumentFollowedExtract = logRecord.lastEntry != nullptr &&
                                            logRecord.lastEntry != launcherState.propertyArgument &&
                                            std::strcmp(logRecord.lastEntry, "extract property") == 0;
    } else if (std::strcmp(text, "load another property file") == 0) {
        ++logRecord.alternateFileEntries;
    } else if (std::strcmp(text, "extract property") == 0) {
        ++logRecord.extractEntries;
    }
    ++logRecord.entryCount;
    logRecord.lastEntry = text;
}
