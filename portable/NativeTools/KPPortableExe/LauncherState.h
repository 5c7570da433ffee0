// The process-wide state of one run. All fields are zero at process start,
// so logging is off and the default start-properties file is chosen until a
// step says otherwise. Only the steps of the run write it, never the pure
// logic they call.
#pragma once

#include "LauncherPaths.h"
#include "VariantProfile.h"

struct LauncherState {
    void* logFile;  // HANDLE of the launch log; null or INVALID_HANDLE_VALUE: logging off
    JoinedPath logPath;
    int alternateFileRequested;  // set by every -c option
    char propertyArgument[COMMAND_BUFFER_SIZE];  // the command tail after its options
    int propertyArgumentCut;  // the rest did not fit propertyArgument
    int propertiesLoaded;  // the start-properties file could be opened
    int jvmOptionsTooLong;  // the options before the end marker did not fit jvmOptions
    char jvmOptions[COMMAND_BUFFER_SIZE];  // each option followed by one blank
    JoinedPath diagnosticLogPath;  // DiagnosticMode's capture file
};

extern LauncherState launcherState;
