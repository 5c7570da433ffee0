#include "CommandTail.h"

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

CommandTailScan ScanCommandTailText(const char* commandTail, char* argument, std::size_t capacity)
{
    CommandTailScan scan{};
    argument[0] = '\0';
    const char* position = commandTail;
    for (;;) {
        if (*position == '\0') {
            return scan;
        }
        if (*position == '-') {
            const char option = position[1];
            if (option == 'c') {
                ++scan.alternateFileOptions;
            }
            if (option == '\0') {
                return scan;
            }
            position += 2;
        } else if (*position == ' ') {
            ++position;
        } else {
            CopyTextCut(argument, capacity, position);
            scan.argumentFound = true;
            scan.argumentCut = BoundedLength(position, capacity) == capacity;
            return scan;
        }
    }
}
