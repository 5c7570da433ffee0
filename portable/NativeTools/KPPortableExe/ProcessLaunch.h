// Starting the Java runtime.
#pragma once

#include <windows.h>

enum class JavaWait { None, UntilItEnds };

// The one start of the Java process, shared by both launches: logs "try to
// create process" and creates the process from command with the profile's
// creation flags, in the launcher's current directory and environment. With
// an output handle, the process's standard output and standard error go to
// it. Waiting, it logs "process created" and returns when the process has
// ended. Returns whether the process was created.
bool StartJavaProcess(char* command, HANDLE output, JavaWait wait);

// Starts command detached from any console and returns at once: true when
// the process was created.
bool ExecuteCommand(char* command);
