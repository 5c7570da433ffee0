// The command tail: deriving it from the full command line, and scanning it
// for the -c option and the start-properties file name.
#pragma once

#include <cstddef>

// Tells whether a byte is the lead byte of a double-byte character of the
// system code page.
using LeadByteTest = bool (*)(unsigned char byte);

// Returns the tail of commandLine after the executable's name and the control
// characters and blanks behind it, by the C runtime's start-up rule: the name
// ends at the first char from 1 to 32 outside double quotes, every quote
// toggles quoting, and a lead byte takes the byte after it along.
const char* SkipExecutableName(const char* commandLine, LeadByteTest isLeadByte);

// What a scan of the command tail found.
struct CommandTailScan {
    int alternateFileOptions;  // how many -c options stand before the argument
    bool argumentFound;        // a rest followed the options
    // The rest did not fit the argument buffer and was cut. A cut name must
    // never be read as a file name: it could name another, existing file.
    bool argumentCut;
};

// Scans the tail: options are "-" and one char, blanks separate them, and
// the rest after them is the argument, copied into argument (as much as fits).
CommandTailScan ScanCommandTailText(const char* commandTail, char* argument,
                                    std::size_t capacity);
