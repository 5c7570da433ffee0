// The benchmark's baseline: creates the process named by its command tail the
// way the launcher creates the Java runtime (same flags, handle inheritance
// and startup record) and ends. Its time is the floor that the launcher's own
// work is measured against.
#include <windows.h>

namespace {

constexpr DWORD JAVA_CREATION_FLAGS = DETACHED_PROCESS | CREATE_SEPARATE_WOW_VDM;
// The launcher's command buffer, so both hand over lines of the same bound.
constexpr int COMMAND_BUFFER_SIZE = 8048;
constexpr int EXIT_NOT_CREATED = 1;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandTail, int)
{
    static char command[COMMAND_BUFFER_SIZE];
    lstrcpynA(command, commandTail, COMMAND_BUFFER_SIZE);
    STARTUPINFOA startupInfo = {};
    startupInfo.cb = sizeof startupInfo;
    PROCESS_INFORMATION processInfo = {};
    const BOOL created = CreateProcessA(nullptr, command, nullptr, nullptr, TRUE,
                                        JAVA_CREATION_FLAGS, nullptr, nullptr, &startupInfo,
                                        &processInfo);
    return created ? 0 : EXIT_NOT_CREATED;
}
