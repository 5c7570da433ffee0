#include "ProcessLaunch.h"

#include "LaunchLog.h"
#include "SystemCalls.h"
#include "VariantProfile.h"

bool StartJavaProcess(char* command, HANDLE output, JavaWait wait)
{
    STARTUPINFOA startupInfo = {};
    startupInfo.cb = sizeof startupInfo;
    if (output != nullptr) {
        startupInfo.dwFlags = STARTF_USESTDHANDLES;
        startupInfo.hStdOutput = output;
        startupInfo.hStdError = output;
    }
    PROCESS_INFORMATION processInfo = {};
    WriteLogEntry("try to create process");
    // No application name: the system takes the executable from the head of
    // the line. Handles are inherited: an output handle reaches the process
    // only so. The handles in processInfo are released when the launcher
    // exits.
    const bool created =
        system_call::CreateProcessA(nullptr, command, nullptr, nullptr, TRUE,
                                    ACTIVE_PROFILE.creationFlags, nullptr, nullptr, &startupInfo,
                                    &processInfo) != FALSE;
    // Only the waiting launch confirms the creation in its log; the detached
    // one's log ends with the announcement.
    if (created && wait == JavaWait::UntilItEnds) {
        WriteLogEntry("process created");
        WaitForSingleObject(processInfo.hProcess, INFINITE);
    }
    return created;
}

bool ExecuteCommand(char* command)
{
    WriteLogEntry("execute command");
    return StartJavaProcess(command, nullptr, JavaWait::None);
}
