// The start-up benchmark's baseline: the leanest program that creates the
// process named by its command tail as the PROD launcher creates the Java
// runtime (the PROD row's creation flags, handle inheritance, an empty
// startup record, a command buffer of the launcher's size) and ends. Like the
// launcher it starts at an entry point of its own, without the C runtime's
// start-up code, so its time is the floor that the launcher's own work is
// measured against.
#include <windows.h>

#include "CommandTail.h"
#include "VariantRows.h"

namespace {

constexpr UINT EXIT_CREATED = 0;
constexpr UINT EXIT_NOT_CREATED = 1;

// Static, as the system may write into the command line it is given; the
// records too, so that no frame holds an array or an addressed local and
// needs the stack guard, which this program does not seed.
char command[COMMAND_BUFFER_SIZE];
STARTUPINFOA startupInfo;
PROCESS_INFORMATION processInfo;

bool IsSystemLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

}  // namespace

extern "C" [[noreturn]] __attribute__((force_align_arg_pointer)) void BaselineEntry()
{
    lstrcpynA(command, SkipExecutableName(GetCommandLineA(), IsSystemLeadByte),
              COMMAND_BUFFER_SIZE);
    startupInfo.cb = sizeof startupInfo;
    const BOOL created = CreateProcessA(nullptr, command, nullptr, nullptr, TRUE,
                                        PROD_PROFILE.creationFlags, nullptr, nullptr,
                                        &startupInfo, &processInfo);
    ExitProcess(created ? EXIT_CREATED : EXIT_NOT_CREATED);
}
