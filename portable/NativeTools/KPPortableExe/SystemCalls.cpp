#include "SystemCalls.h"

namespace system_call {

// A run that shows no box, the usual one, never sets up the window system.
// USER32 is one of the system's known DLLs: loading it by name always takes
// the copy in the system folder, never one planted beside the launcher.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style)
{
    const HMODULE user32 = LoadLibraryA("user32.dll");
    if (user32 == nullptr) {
        return 0;
    }
    using MessageBoxFunction = decltype(&::MessageBoxA);
    const auto showMessageBox = reinterpret_cast<MessageBoxFunction>(
        reinterpret_cast<void*>(GetProcAddress(user32, "MessageBoxA")));
    return showMessageBox != nullptr ? showMessageBox(owner, text, caption, style) : 0;
}

BOOL WriteFile(HANDLE file, LPCVOID bytes, DWORD count, LPDWORD written)
{
    return ::WriteFile(file, bytes, count, written, nullptr);
}

BOOL CreateProcessA(LPCSTR applicationName, LPSTR commandLine,
                    LPSECURITY_ATTRIBUTES processAttributes, LPSECURITY_ATTRIBUTES threadAttributes,
                    BOOL inheritHandles, DWORD creationFlags, LPVOID environment,
                    LPCSTR currentDirectory, LPSTARTUPINFOA startupInfo,
                    LPPROCESS_INFORMATION processInfo)
{
    return ::CreateProcessA(applicationName, commandLine, processAttributes, threadAttributes,
                            inheritHandles, creationFlags, environment, currentDirectory,
                            startupInfo, processInfo);
}

}  // namespace system_call
