#include "ProcessLaunch.h"

#include <windows.h>

#include "LaunchLog.h"
#include "VariantProfile.h"

bool ExecuteCommand(char* command)
{
    WriteLogEntry("execute command");
    STARTUPINFOA startupInfo = {};
    startupInfo.cb = sizeof startupInfo;
    PROCESS_INFORMATION processInfo = {};
    WriteLogEntry("try to create process");
    // No application name: the system takes the executable from the head of
    // the line. The handles in processInfo are released when the launcher
    // exits, moments later.
    return CreateProcessA(nullptr, command, nullptr, nullptr, TRUE, ACTIVE_PROFILE.creationFlags,
                          nullptr, nullptr, &startupInfo, &processInfo) != FALSE;
}
