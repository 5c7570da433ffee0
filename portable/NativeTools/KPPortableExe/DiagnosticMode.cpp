#include "DiagnosticMode.h"

#include <windows.h>

#include <cstring>

#include "LaunchLog.h"
#include "LauncherPaths.h"
#include "LauncherState.h"
#include "MessageBoxes.h"
#include "TextBuffer.h"

namespace {

constexpr char RUN_RECORD_SEPARATOR[] = "\r\n----------\r\n";
constexpr char LINE_END[] = "\r\n";

void LogLabelled(const char* label, const char* value)
{
    WriteLogEntry(label);
    WriteLogEntry(value);
}

void ReportDirectoryNotCreated(const char* path)
{
    char message[COMMAND_BUFFER_SIZE];
    ComposeFramedMessage(message, sizeof message, ACTIVE_MESSAGES.directoryNotCreated, path);
    ShowErrorBox(message);
}

void WriteText(HANDLE file, const char* text)
{
    DWORD written = 0;
    WriteFile(file, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
}

// Opens the day's capture file for appending only: every write, the Java
// process's through its inherited handle too, lands at the end of the file,
// so runs that overlap never write over each other.
HANDLE OpenCaptureFile(const char* startDirectory)
{
    if (!BuildDiagnosticLogBase(startDirectory)) {
        return INVALID_HANDLE_VALUE;
    }
    LogLabelled("diagnostic.log path created!", launcherState.diagnosticLogPath);

    // The UTC date, so that all runs of one UTC day share one file.
    SYSTEMTIME now = {};
    GetSystemTime(&now);
    if (!AppendCaptureDate(launcherState.diagnosticLogPath,
                           sizeof launcherState.diagnosticLogPath, now.wYear, now.wMonth,
                           now.wDay)) {
        return INVALID_HANDLE_VALUE;
    }

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

// The head of a run record: separator, the command line as started, CR LF.
void WriteRunRecordHead(HANDLE capture, const char* command)
{
    WriteText(capture, RUN_RECORD_SEPARATOR);
    WriteText(capture, command);
    WriteText(capture, LINE_END);
}

}  // namespace

bool DirectoryExists(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        LogLabelled("something is wrong with the path: ", path);
        return false;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

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

void PrepareLogDirectories(const char* startDirectory)
{
    char path[JOINED_PATH_BUFFER_SIZE];
    if (ComposeOuterDirectory(path, sizeof path, ACTIVE_PROFILE, startDirectory)) {
        EnsureDirectory(path);
    }
    if (ComposeDataDirectory(path, sizeof path, ACTIVE_PROFILE, startDirectory)) {
        EnsureDirectory(path);
    }
}

bool BuildDiagnosticLogBase(const char* startDirectory)
{
    return ComposeDiagnosticLogBase(launcherState.diagnosticLogPath,
                                    sizeof launcherState.diagnosticLogPath, ACTIVE_PROFILE,
                                    startDirectory);
}

bool ExecuteDiagnosticCommand(const char* startDirectory, char* command)
{
    WriteLogEntry("execute command");
    if (ACTIVE_PROFILE.showsDiagnosticNotice) {
        ShowInformationBox(ACTIVE_MESSAGES.diagnosticNotice);
    }
    STARTUPINFOA startupInfo = {};
    startupInfo.cb = sizeof startupInfo;
    PROCESS_INFORMATION processInfo = {};
    PrepareLogDirectories(startDirectory);

    // Without a capture file the Java process keeps the standard handles of
    // its own console, so that its output shows there instead of being lost.
    const HANDLE capture = OpenCaptureFile(startDirectory);
    const bool capturing = capture != INVALID_HANDLE_VALUE;
    if (capturing) {
        WriteRunRecordHead(capture, command);
        startupInfo.dwFlags = STARTF_USESTDHANDLES;
        startupInfo.hStdOutput = capture;
        startupInfo.hStdError = capture;
    }

    WriteLogEntry("try to create process");
    const bool created = CreateProcessA(nullptr, command, nullptr, nullptr, TRUE,
                                        ACTIVE_PROFILE.creationFlags, nullptr, nullptr,
                                        &startupInfo, &processInfo) != FALSE;
    if (created) {
        WriteLogEntry("process created");
        WaitForSingleObject(processInfo.hProcess, INFINITE);
    }
    if (capturing) {
        CloseHandle(capture);
    }
    return created;
}
