// The Windows calls through which the launcher's decisions leave the process:
// message boxes, writes to its files and the creation of the Java process.
// Each passes its arguments on unchanged; they are gathered in one file so
// that a test can link a recorder in its place and check what the launcher
// asked of the system (a box's style, a process's handles), which cannot be
// seen from outside under Wine.
#pragma once

#include <windows.h>

namespace system_call {

// USER32 is loaded only here, when a box is shown. Returns 0 when no box
// could be shown.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style);

BOOL WriteFile(HANDLE file, LPCVOID bytes, DWORD count, LPDWORD written);

BOOL CreateProcessA(LPCSTR applicationName, LPSTR commandLine,
                    LPSECURITY_ATTRIBUTES processAttributes, LPSECURITY_ATTRIBUTES threadAttributes,
                    BOOL inheritHandles, DWORD creationFlags, LPVOID environment,
                    LPCSTR currentDirectory, LPSTARTUPINFOA startupInfo,
                    LPPROCESS_INFORMATION processInfo);

}  // namespace system_call
