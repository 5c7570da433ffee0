// The entry point of all three deliverables.
#include <windows.h>

#include "CommandTail.h"
#include "StartupSequence.h"

namespace {

bool IsSystemLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

}  // namespace

// The command tail is derived from the full command line here, by the C
// runtime's own rule, so that double-byte file names are skipped whole.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return RunLauncher(SkipExecutableName(GetCommandLineA(), IsSystemLeadByte));
}
