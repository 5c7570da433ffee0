#include "DiagnosticMode.h"

#include <windows.h>

#include "LaunchLog.h"
#include "LauncherPaths.h"
#include "LauncherState.h"
#include "MessageBoxes.h"
#include "ProcessLaunch.h"
#include "SystemCalls.h"
#include "TextBuffer.h"

namespace {

constexpr char RUN_RECORD_SEPARATOR[] = "\r\n----------\r\n";
constexpr char LINE_END[] = "\r\n";
// Separator, the longest command line and the line end, with the terminator.
constexpr std::size_t RUN_RECORD_HEAD_SIZE =
    (sizeof RUN_RECORD_SEPARATOR - 1) + (COMMAND_BUFFER_SIZE - 1) + (sizeof LINE_END - 1) + 1;

void LogLabelled(const char* label, const char* value)
{
    WriteLogEntry(label);
    WriteLogEntry(value);
}

// True when path can be read and is a directory; logs a path whose
// attributes cannot be read.
bool DirectoryExists(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        LogLabelled("something is wrong with the path: ", path);
        return false;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void ReportDirectoryNotCreated(const char* path)
{
    char message[COMMAND_BUFFER_SIZE];
    ComposeFramedMessage(message, sizeof message, ACTIVE_MESSAGES[MSG_DIRECTORY_NOT_CREATED],
                         path);
    ShowMessageBox(MSG_DIRECTORY_NOT_CREATED, message);
}

// Leaves path existing as a directory, creating one level when missing.
void EnsureDirectory(const char* path)
{
    if (DirectoryExists(path)) {
        LogLabelled("dir exists: ", path);
        return;
    }
    if (!CreateDirectoryA(path, nullptr)) {
        ReportDirectoryNotCreated(path);
    }
}

// Sets launcherState.diagnosticLogPath to the capture file's path without
// its date.
void BuildDiagnosticLogBase(const char* startDirectory)
{
    ComposeDiagnosticLogBase(launcherState.diagnosticLogPath, ACTIVE_PROFILE, startDirectory);
}

// Opens the day's capture file for appending only: every write, the Java
// process's through its inherited handle too, lands at the end of the file,
// so runs that overlap never write over each other.
HANDLE OpenCaptureFile(const char* startDirectory)
{
    BuildDiagnosticLogBase(startDirectory);
    LogLabelled("diagnostic.log path created!", launcherState.diagnosticLogPath);

    // The UTC date, so that all runs of one UTC day share one file.
    SYSTEMTIME now = {};
    GetSystemTime(&now);
    AppendCaptureDate(launcherState.diagnosticLogPath, now.wYear, now.wMonth, now.wDay);

    SECURITY_ATTRIBUTES inheritable = {};
    inheritable.nLength = sizeof inheritable;
    inheritable.bInheritHandle = TRUE;
    WriteLogEntry("try to create file");
    const HANDLE capture = CreateFileA(launcherState.diagnosticLogPath, FILE_APPEND_DATA,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    WriteLogEntry(capture != INVALID_HANDLE_VALUE ? "file created!" : "file not created!");
    return capture;
}

// The head of a run record: separator, the command line as started, CR LF,
// in one write. Each write lands whole at the end of the file, so another
// run's output can come before or after the head but never inside it.
void WriteRunRecordHead(HANDLE capture, const char* command)
{
    char head[RUN_RECORD_HEAD_SIZE];
    CopyTextCut(head, sizeof head, RUN_RECORD_SEPARATOR);
    AppendTextCut(head, sizeof head, command);
    AppendTextCut(head, sizeof head, LINE_END);
    DWORD written = 0;
    system_call::WriteFile(capture, head, static_cast<DWORD>(TextLength(head)), &written);
}

}  // namespace

void PrepareLogDirectories(const char* startDirectory)
{
    JoinedPath path;
    ComposeOuterDirectory(path, ACTIVE_PROFILE, startDirectory);
    EnsureDirectory(path);
    ComposeDataDirectory(path, ACTIVE_PROFILE, startDirectory);
    EnsureDirectory(path);
}

bool ExecuteDiagnosticCommand(const char* startDirectory, char* command)
{
    WriteLogEntry("execute command");
    if (ACTIVE_PROFILE.showsDiagnosticNotice()) {
        ShowMessageBox(MSG_DIAGNOSTIC_NOTICE);
    }
    // Prepared again, now with the log open: the notice waits for the user,
    // who may have removed the data folder meanwhile, and the capture file
    // goes there.
    PrepareLogDirectories(startDirectory);

    // Without a capture file the Java process keeps the standard handles of
    // its own console, so that its output shows there instead of being lost.
    const HANDLE capture = OpenCaptureFile(startDirectory);
    const bool capturing = capture != INVALID_HANDLE_VALUE;
    if (capturing) {
        WriteRunRecordHead(capture, command);
    }
    const bool created =
        StartJavaProcess(command, capturing ? capture : nullptr, JavaWait::UntilItEnds);
    if (capturing) {
        CloseHandle(capture);
    }
    return created;
}
