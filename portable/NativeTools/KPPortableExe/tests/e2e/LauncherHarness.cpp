#include "LauncherHarness.h"

#include <cstring>
#include <set>

namespace {

constexpr DWORD POLL_INTERVAL_MS = 10;
constexpr UINT DISMISS_TIMEOUT_MS = 2000;
constexpr int MESSAGE_TEXT_CONTROL_ID = 0xFFFF;
constexpr int MAX_WINDOW_TEXT = 16384;

struct BoxSearch {
    DWORD processId;
    const std::set<HWND>* handled;
    HWND found;
};

bool HasClass(HWND window, const char* className)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, className) == 0;
}

BOOL CALLBACK FindBoxOfProcess(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<BoxSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && HasClass(window, "#32770") && IsWindowVisible(window) &&
        search->handled->count(window) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CountButton(HWND child, LPARAM parameter)
{
    if (HasClass(child, "Button")) {
        ++*reinterpret_cast<int*>(parameter);
    }
    return TRUE;
}

SeenMessageBox ReadBox(HWND box)
{
    SeenMessageBox seen;
    std::string buffer(MAX_WINDOW_TEXT, '\0');
    buffer.resize(static_cast<size_t>(GetWindowTextA(box, &buffer[0], MAX_WINDOW_TEXT)));
    seen.caption = buffer;
    buffer.assign(MAX_WINDOW_TEXT, '\0');
    buffer.resize(GetDlgItemTextA(box, MESSAGE_TEXT_CONTROL_ID, &buffer[0], MAX_WINDOW_TEXT));
    seen.text = buffer;
    EnumChildWindows(box, CountButton, reinterpret_cast<LPARAM>(&seen.buttonCount));
    seen.hasOwner = GetWindow(box, GW_OWNER) != nullptr;
    return seen;
}

void Dismiss(HWND box)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0, SMTO_ABORTIFHUNG,
                        DISMISS_TIMEOUT_MS, &result);
}

std::string ComposeCommandLine(const LaunchRequest& request)
{
    if (!request.exactCommandLine.empty()) {
        return request.exactCommandLine;
    }
    std::string line = "\"" + request.executable + "\"";
    if (!request.commandTail.empty()) {
        line += " " + request.commandTail;
    }
    return line;
}

}  // namespace

LaunchOutcome LaunchAndWatch(const LaunchRequest& request)
{
    LaunchOutcome outcome;
    std::string commandLine = ComposeCommandLine(request);
    STARTUPINFOA startupInfo = {};
    startupInfo.cb = sizeof startupInfo;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(request.executable.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0,
                        nullptr, request.currentDirectory.c_str(), &startupInfo, &process)) {
        return outcome;
    }
    std::set<HWND> handled;
    const ULONGLONG deadline = GetTickCount64() + request.timeLimitMs;
    while (WaitForSingleObject(process.hProcess, POLL_INTERVAL_MS) == WAIT_TIMEOUT) {
        if (GetTickCount64() > deadline) {
            TerminateProcess(process.hProcess, 0);
            WaitForSingleObject(process.hProcess, INFINITE);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
            return outcome;
        }
        BoxSearch search{process.dwProcessId, &handled, nullptr};
        EnumWindows(FindBoxOfProcess, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            continue;
        }
        handled.insert(search.found);
        outcome.boxes.push_back(ReadBox(search.found));
        if (request.onBox) {
            request.onBox(outcome.boxes.back());
        }
        Dismiss(search.found);
    }
    outcome.ended = true;
    GetExitCodeProcess(process.hProcess, &outcome.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return outcome;
}

LaunchOutcome LaunchIn(const std::string& deliverableName, const std::string& startDirectory,
                       const std::string& commandTail,
                       std::function<void(const SeenMessageBox&)> onBox)
{
    LaunchRequest request;
    request.executable = LauncherPath(deliverableName.c_str());
    request.commandTail = commandTail;
    request.currentDirectory = startDirectory;
    request.onBox = std::move(onBox);
    return LaunchAndWatch(request);
}

std::string BuildOutputDirectory()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    char* lastSeparator = std::strrchr(path, '\\');
    if (lastSeparator != nullptr) {
        *lastSeparator = '\0';
    }
    return path;
}

std::string LauncherPath(const char* deliverableName)
{
    return BuildOutputDirectory() + "\\" + deliverableName + ".exe";
}

std::string DescribeExitCode(DWORD exitCode)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(exitCode));
    return text;
}
