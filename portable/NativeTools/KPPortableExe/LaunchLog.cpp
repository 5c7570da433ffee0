#include "LaunchLog.h"

#include <windows.h>

#include "LauncherState.h"
#include "SystemCalls.h"
#include "TextBuffer.h"

namespace {

bool IsLogOpen()
{
    return launcherState.logFile != nullptr && launcherState.logFile != INVALID_HANDLE_VALUE;
}

void WriteBytes(const char* bytes, DWORD count)
{
    DWORD written = 0;
    system_call::WriteFile(launcherState.logFile, bytes, count, &written);
}

}  // namespace

void OpenLaunchLog(const char* startDirectory)
{
    ComposeLogPath(launcherState.logPath, ACTIVE_PROFILE, startDirectory);
    // Shared for writing only, so no one reads a half-written log or deletes
    // it under the launcher; not inheritable, so the Java process never holds it.
    launcherState.logFile = CreateFileA(launcherState.logPath, GENERIC_WRITE, FILE_SHARE_WRITE,
                                        nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

void WriteLogEntry(const char* text)
{
    if (!IsLogOpen()) {
        return;
    }
    WriteBytes(text, static_cast<DWORD>(TextLength(text)));
    WriteBytes("\r\n", 2);
}

void CloseLaunchLog()
{
    if (IsLogOpen()) {
        CloseHandle(launcherState.logFile);
    }
}
