// Deriving the command tail from the full command line. Apart from the scan
// of the tail (CommandTail.cpp), so that a program that only needs the tail,
// the benchmark's baseline, links nothing else.
#include "CommandTail.h"

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
