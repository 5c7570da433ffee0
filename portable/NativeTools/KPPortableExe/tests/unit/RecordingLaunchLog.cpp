#include "RecordingLaunchLog.h"

#include "LaunchLog.h"

std::vector<std::string> recordedLogEntries;

void WriteLogEntry(const char* text)
{
    recordedLogEntries.emplace_back(text);
}
