// What DiagnosticMode does beyond the other variants: it prepares the data
// folder, and it starts the console Java runtime with its output captured in
// a dated file and waits for it.
#pragma once

// Ensures the outer data directory, then the inner one, creating a missing
// one; a failure is shown in a box and the run goes on.
void PrepareLogDirectories(const char* startDirectory);

// Shows the diagnostic notice, appends a run record to the day's capture
// file, starts command in a console of its own with standard output and
// standard error on that file, and waits until the process ends. Returns
// whether the process was created.
bool ExecuteDiagnosticCommand(const char* startDirectory, char* command);
