// The launch log: a plain-text file below the start directory, emptied at
// every run, one entry a line. Logging is best effort: no failure of it is
// ever shown, retried, or allowed to change the run.
#pragma once

// Creates the log in the data folder below startDirectory. When that fails
// (the folder is missing, say), logging stays off for the run.
void OpenLaunchLog(const char* startDirectory);

// Writes text and CR LF, unbuffered; does nothing while logging is off.
void WriteLogEntry(const char* text);

void CloseLaunchLog();
