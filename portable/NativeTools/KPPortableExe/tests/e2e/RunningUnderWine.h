// Tells Wine from Windows, for the few tests whose outcome depends on which
// of the two runs them.
#pragma once

#include <windows.h>

// Wine's own ntdll exports its version; Windows' does not.
inline bool RunningUnderWine()
{
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}
