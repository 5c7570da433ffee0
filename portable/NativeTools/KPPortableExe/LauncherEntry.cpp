// The process's entry point, in place of the C runtime's start-up code, which
// the launcher does not need: it derives its command tail itself, has no
// static object with a constructor, ends through ExitProcess, never through
// exit, and calls nothing of the C library.
#include <windows.h>

#include "CommandTail.h"
#include "StackGuard.h"

namespace {

bool IsSystemLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

}  // namespace

// Unprotected, since the guard is seeded while it runs; the stack is
// realigned, since the system promises the entry no more than 4 bytes.
extern "C" [[noreturn]] __attribute__((no_stack_protector, force_align_arg_pointer)) void
LauncherEntry()
{
    SeedStackGuard();
    // The command tail is derived from the full command line by the C
    // runtime's own rule, so that double-byte file names are skipped whole.
    const LPSTR commandLine = GetCommandLineA();
    const LPSTR commandTail =
        commandLine + (SkipExecutableName(commandLine, IsSystemLeadByte) - commandLine);
    // The launcher opens no window, so the show state is the default.
    ExitProcess(static_cast<UINT>(
        WinMain(GetModuleHandleA(nullptr), nullptr, commandTail, SW_SHOWDEFAULT)));
}
