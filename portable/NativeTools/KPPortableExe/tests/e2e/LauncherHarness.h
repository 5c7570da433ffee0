// Runs a launcher as a user would: with an exact command line and current
// directory, reading every message box it shows and dismissing it, and
// reading its full 32-bit exit code. Every run is bounded in time.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "HarnessFacts.h"

struct SeenMessageBox {
    std::string caption;
    std::string text;
    int buttonCount = 0;
    bool hasOwner = false;
};

struct LaunchOutcome {
    bool ended = false;     // the launcher ran to its end within the time limit
    DWORD exitCode = 0;
    std::vector<SeenMessageBox> boxes;
    // Why it did not end: not started (with the system's error code), or
    // killed at the time limit.
    std::string failure;
};

struct LaunchRequest {
    std::string executable;        // full path of the launcher
    std::string commandTail;       // appended to the quoted executable and a blank
    std::string currentDirectory;
    // When set, the whole command line, used instead of executable + tail.
    std::string exactCommandLine;
    DWORD timeLimitMs = 20000;
    // Called while a box is still up, before it is dismissed.
    std::function<void(const SeenMessageBox&)> onBox;
};

LaunchOutcome LaunchAndWatch(const LaunchRequest& request);

// Starts a deliverable by name in startDirectory with the usual command line:
// the quoted executable path, a blank and the tail.
LaunchOutcome LaunchIn(const std::string& deliverableName, const std::string& startDirectory,
                       const std::string& commandTail = "",
                       std::function<void(const SeenMessageBox&)> onBox = nullptr);

// Passes when the launcher ran to its end; otherwise says why it did not.
testing::AssertionResult Ended(const LaunchOutcome& outcome);

constexpr DWORD EXIT_CODE_NOTHING_TO_LAUNCH = 0xFFFFFFFF;  // -1
constexpr DWORD EXIT_CODE_LAUNCH_FAILED = 1;

// Readable names for the exit codes in failure messages.
std::string DescribeExitCode(DWORD exitCode);
