// Stands in for SystemCalls.cpp in tests of the Windows layer: records what
// the launcher asks of the system. Boxes are not shown; writes still reach
// their files; a process is not created, but the call succeeds with a
// process handle that is already signalled, so a wait for it returns at once.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct RecordedBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
};

struct RecordedWrite {
    HANDLE file;
    std::string bytes;
};

struct RecordedProcessCreation {
    bool applicationNameGiven;
    std::string commandLine;
    bool securityAttributesGiven;
    BOOL inheritHandles;
    DWORD creationFlags;
    bool environmentGiven;
    bool currentDirectoryGiven;
    STARTUPINFOA startupInfo;
    // Whether the standard output handle, as the call found it, would be
    // inherited by the new process.
    bool outputInheritable;
};

struct SystemCallRecord {
    std::vector<RecordedBox> boxes;
    std::vector<RecordedWrite> writes;
    std::vector<RecordedProcessCreation> processCreations;
};

extern SystemCallRecord systemCalls;

// Written through the standard output handle of each recorded process
// creation, as the Java process would write its first output.
extern const char STAND_IN_JAVA_OUTPUT[];

// Checks what both launches ask of the process creation alike: the command
// line as composed and no separate application name, no process or thread
// attributes, handles inherited, the row's creation flags, and the
// launcher's own environment and current directory.
void ExpectJavaCreation(const RecordedProcessCreation& call, const std::string& commandLine,
                        DWORD creationFlags);
