#include "CommandTail.h"

#include "LaunchLog.h"
#include "LauncherState.h"
#include "TextBuffer.h"

namespace {

constexpr unsigned char LAST_SEPARATOR_CODE = ' ';

bool IsSeparator(char c)
{
    const unsigned char code = static_cast<unsigned char>(c);
    return code != '\0' && code <= LAST_SEPARATOR_CODE;
}

}  // namespace

const char* SkipExecutableName(const char* commandLine, LeadByteTest isLeadByte)
{
    const char* position = commandLine != nullptr ? commandLine : "";
    bool insideQuotes = false;
    while (*position != '\0' && (insideQuotes || !IsSeparator(*position))) {
        if (*position == '"') {
            insideQuotes = !insideQuotes;
        } else if (isLeadByte(static_cast<unsigned char>(*position)) && position[1] != '\0') {
            ++position;
        }
        ++position;
    }
    while (IsSeparator(*position)) {
        ++position;
    }
    return position;
}

void ScanCommandTail(const char* commandTail)
{
    const char* position = commandTail;
    for (;;) {
        if (*position == '\0') {
            return;
        }
        if (*position == '-') {
            const char option = position[1];
            if (option == 'c') {
                launcherState.alternateFileRequested = 1;
                WriteLogEntry("load another property file");
            }
            if (option == '\0') {
                return;
            }
            position += 2;
        } else if (*position == ' ') {
            ++position;
        } else {
            // A rest longer than the buffer is cut. That cannot redirect the
            // reader to another file: its path is joined in a buffer of the
            // same size, which a name that fills this one always overflows.
            CopyTextCut(launcherState.propertyArgument, sizeof launcherState.propertyArgument,
                        position);
            WriteLogEntry("extract property");
            WriteLogEntry(launcherState.propertyArgument);
            return;
        }
    }
}
