// What DiagnosticMode does beyond the other variants: it prepares the data
// folder, and it starts the console Java runtime with its output captured in
// a dated file and waits for it.
#pragma once

// True when path can be read and is a directory; logs a path whose
// attributes cannot be read.
bool DirectoryExists(const char* path);

// Leaves path existing as a directory, creating one level when missing; a
// failure is shown in a box and the run goes on.
void EnsureDirectory(const char* path);

// Ensures the outer data directory, then the inner one.
void PrepareLogDirectories(const char* startDirectory);

// Sets launcherState.diagnosticLogPath to the capture file's path without its
// date; false when it cannot be formed.
bool BuildDiagnosticLogBase(const char* startDirectory);

// Shows the diagnostic notice, appends a run record to the day's capture
// file, starts command in a console of its own with standard output and
// standard error on that file, and waits until the process ends. Returns
// whether the process was created.
bool ExecuteDiagnosticCommand(const char* startDirectory, char* command);
