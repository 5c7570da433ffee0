// The owner of the run in all three deliverables, called by the entry point
// (LauncherEntry.cpp) with the command tail.
#include <windows.h>

#include "StartupSequence.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandTail, int)
{
    return RunLauncher(commandTail);
}
