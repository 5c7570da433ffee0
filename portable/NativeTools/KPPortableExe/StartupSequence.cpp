#include "StartupSequence.h"

#include "CommandTail.h"
#include "DiagnosticMode.h"
#include "JavaCommand.h"
#include "LaunchLog.h"
#include "LauncherState.h"
#include "MessageBoxes.h"
#include "ProcessLaunch.h"
#include "StartDirectory.h"
#include "StartProperties.h"

namespace {

void LogAlternateFileOptions(int count)
{
    for (int option = 0; option < count; ++option) {
        WriteLogEntry("load another property file");
    }
}

// Composes the Java command line and starts it; false when the options or
// the line cannot be held whole (a cut command is never started) or when
// the process was not created.
bool LaunchJava(const char* startDirectory)
{
    char javaCommand[COMMAND_BUFFER_SIZE];
    if (launcherState.jvmOptionsTooLong ||
        !ComposeJavaCommand(javaCommand, sizeof javaCommand, ACTIVE_PROFILE, startDirectory,
                            launcherState.jvmOptions)) {
        return false;
    }
    return ACTIVE_PROFILE.capturesJavaOutput()
               ? ExecuteDiagnosticCommand(startDirectory, javaCommand)
               : ExecuteCommand(javaCommand);
}

}  // namespace

void ScanCommandTail(const char* commandTail)
{
    const CommandTailScan scan =
        ScanCommandTailText(commandTail, launcherState.propertyArgument,
                            sizeof launcherState.propertyArgument);
    launcherState.alternateFileRequested = scan.alternateFileOptions > 0;
    launcherState.propertyArgumentCut = scan.argumentCut;
    LogAlternateFileOptions(scan.alternateFileOptions);
    if (scan.argumentFound) {
        WriteLogEntry("extract property");
        WriteLogEntry(launcherState.propertyArgument);
    }
}

int RunLauncher(const char* commandTail)
{
    // The directory is read once: a run that cannot read it stops before it
    // reads, creates or logs anything at the root of the current drive.
    char startDirectory[PATH_BUFFER_SIZE];
    if (!GetStartDirectory(startDirectory)) {
        return EXIT_NOTHING_TO_LAUNCH;
    }
    if (ACTIVE_PROFILE.createsLogDirectories()) {
        PrepareLogDirectories(startDirectory);
    }
    OpenLaunchLog(startDirectory);
    WriteLogEntry("Starting ...");
    WriteLogEntry("check for params");
    ScanCommandTail(commandTail);
    WriteLogEntry("try to load the properties");
    LoadStartProperties(startDirectory);
    if (!launcherState.propertiesLoaded) {
        // The log is left to the process exit; every entry is already written.
        return EXIT_NOTHING_TO_LAUNCH;
    }
    const bool launched = LaunchJava(startDirectory);
    if (!launched) {
        ShowMessageBox(MSG_CANNOT_START);
    }
    CloseLaunchLog();
    return launched ? EXIT_JAVA_STARTED : EXIT_LAUNCH_FAILED;
}
