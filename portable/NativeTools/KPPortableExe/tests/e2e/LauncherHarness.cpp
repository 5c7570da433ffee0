#include "LauncherHarness.h"

#include <cstdio>
#include <cstring>
#include <set>

#include "UniqueHandle.h"

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

// Reads and dismisses the next box of the process, if one is up.
void HandleNextBox(DWORD processId, const LaunchRequest& request, std::set<HWND>& handled,
                   LaunchOutcome& outcome)
{
    BoxSearch search{processId, &handled, nullptr};
    EnumWindows(FindBoxOfProcess, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) {
        return;
    }
    handled.insert(search.found);
    outcome.boxes.push_back(ReadBox(search.found));
    if (request.onBox) {
        request.onBox(outcome.boxes.back());
    }
    Dismiss(search.found);
}

std::string SystemErrorText(const char* what, DWORD error)
{
    char text[64];
    std::snprintf(text, sizeof text, "%s (system error %lu)", what,
                  static_cast<unsigned long>(error));
    return text;
}

}  // namespace

LaunchOutcome LaunchAndWatch(const LaunchRequest& request)
{
    LaunchOutcome outcome;
    std::string commandLine = ComposeCommandLine(request);
    STARTUPINFOA startupInfo = {};
    startupInfo.cb = sizeof startupInfo;
    PROCESS_INFORMATION information = {};
    if (!CreateProcessA(request.executable.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0,
                        nullptr, request.currentDirectory.c_str(), &startupInfo, &information)) {
        outcome.failure = SystemErrorText("the launcher could not be started", GetLastError());
        return outcome;
    }
    OwnedProcess launcher;
    launcher.Adopt(information);
    std::set<HWND> handled;
    const ULONGLONG deadline = GetTickCount64() + request.timeLimitMs;
    while (WaitForSingleObject(launcher.process.Get(), POLL_INTERVAL_MS) == WAIT_TIMEOUT) {
        if (GetTickCount64() > deadline) {
            const bool gone = launcher.Kill();
            outcome.failure = "the launcher hung: killed after " +
                              std::to_string(request.timeLimitMs) + " ms" +
                              (gone ? "" : ", and it did not end even then");
            return outcome;
        }
        HandleNextBox(launcher.id, request, handled, outcome);
    }
    outcome.ended = true;
    GetExitCodeProcess(launcher.process.Get(), &outcome.exitCode);
    return outcome;
}

LaunchOutcome LaunchIn(const std::string& deliverableName, const std::string& startDirectory,
                       const std::string& commandTail,
                       std::function<void(const SeenMessageBox&)> onBox)
{
    LaunchRequest request;
    request.executable = DeliverablePath(deliverableName);
    request.commandTail = commandTail;
    request.currentDirectory = startDirectory;
    request.onBox = std::move(onBox);
    return LaunchAndWatch(request);
}

testing::AssertionResult Ended(const LaunchOutcome& outcome)
{
    if (outcome.ended) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << outcome.failure;
}

std::string DescribeExitCode(DWORD exitCode)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(exitCode));
    return text;
}
