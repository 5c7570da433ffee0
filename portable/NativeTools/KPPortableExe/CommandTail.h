// The command tail: deriving it from the full command line, and scanning it
// for the -c option and the start-properties file name.
#pragma once

// Tells whether a byte is the lead byte of a double-byte character of the
// system code page.
using LeadByteTest = bool (*)(unsigned char byte);

// Returns the tail of commandLine after the executable's name and the control
// characters and blanks behind it, by the C runtime's start-up rule: the name
// ends at the first char from 1 to 32 outside double quotes, every quote
// toggles quoting, and a lead byte takes the byte after it along.
const char* SkipExecutableName(const char* commandLine, LeadByteTest isLeadByte);

// Scans the tail: each "-c" sets launcherState.alternateFileRequested, and the
// rest after the options goes to launcherState.propertyArgument. Logs what it
// finds.
void ScanCommandTail(const char* commandTail);
