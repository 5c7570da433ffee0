// Starting the Java runtime.
#pragma once

// Starts command detached from any console, in the launcher's current
// directory and environment, and returns at once: true when the process was
// created.
bool ExecuteCommand(char* command);
