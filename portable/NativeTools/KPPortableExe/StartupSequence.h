// One run of the launcher, from the command tail to the exit code.
#pragma once

// The exit codes of a run.
constexpr int EXIT_JAVA_STARTED = 0;
constexpr int EXIT_LAUNCH_FAILED = 1;        // the Java process was not created
constexpr int EXIT_NOTHING_TO_LAUNCH = -1;   // no start directory or no start-properties file

// Scans the tail for its options and the start-properties file name: each
// "-c" sets launcherState.alternateFileRequested, the rest goes to
// launcherState.propertyArgument. Logs what it finds.
void ScanCommandTail(const char* commandTail);

int RunLauncher(const char* commandTail);
