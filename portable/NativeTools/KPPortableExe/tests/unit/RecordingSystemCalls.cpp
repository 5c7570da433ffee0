#include "RecordingSystemCalls.h"

#include <gtest/gtest.h>

#include "SystemCalls.h"

SystemCallRecord systemCalls;
const char STAND_IN_JAVA_OUTPUT[] = "Java's first output\r\n";

namespace {

// A handle that a wait returns from at once.
HANDLE SignalledHandle()
{
    static const HANDLE event = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    return event;
}

bool IsInheritable(HANDLE handle)
{
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) && (flags & HANDLE_FLAG_INHERIT) != 0;
}

void WriteAsJava(const STARTUPINFOA& startupInfo)
{
    if ((startupInfo.dwFlags & STARTF_USESTDHANDLES) != 0) {
        DWORD written = 0;
        ::WriteFile(startupInfo.hStdOutput, STAND_IN_JAVA_OUTPUT, sizeof STAND_IN_JAVA_OUTPUT - 1,
                    &written, nullptr);
    }
}

}  // namespace

namespace system_call {

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style)
{
    systemCalls.boxes.push_back({owner, text, caption, style});
    return IDOK;
}

BOOL WriteFile(HANDLE file, LPCVOID bytes, DWORD count, LPDWORD written)
{
    systemCalls.writes.push_back({file, std::string(static_cast<const char*>(bytes), count)});
    return ::WriteFile(file, bytes, count, written, nullptr);
}

BOOL CreateProcessA(LPCSTR applicationName, LPSTR commandLine,
                    LPSECURITY_ATTRIBUTES processAttributes, LPSECURITY_ATTRIBUTES threadAttributes,
                    BOOL inheritHandles, DWORD creationFlags, LPVOID environment,
                    LPCSTR currentDirectory, LPSTARTUPINFOA startupInfo,
                    LPPROCESS_INFORMATION processInfo)
{
    systemCalls.processCreations.push_back(
        {applicationName != nullptr, commandLine,
         processAttributes != nullptr || threadAttributes != nullptr, inheritHandles,
         creationFlags, environment != nullptr, currentDirectory != nullptr, *startupInfo,
         IsInheritable(startupInfo->hStdOutput)});
    WriteAsJava(*startupInfo);
    processInfo->hProcess = SignalledHandle();
    return TRUE;
}

}  // namespace system_call

void ExpectJavaCreation(const RecordedProcessCreation& call, const std::string& commandLine,
                        DWORD creationFlags)
{
    EXPECT_FALSE(call.applicationNameGiven);
    EXPECT_EQ(call.commandLine, commandLine);
    EXPECT_FALSE(call.securityAttributesGiven);
    EXPECT_TRUE(call.inheritHandles);
    EXPECT_EQ(call.creationFlags, creationFlags);
    EXPECT_FALSE(call.environmentGiven);
    EXPECT_FALSE(call.currentDirectoryGiven);
}
