// The stack guard is seeded at every start: a guard that kept its initial
// value, the same in every process, would let an overflow forge it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// The guard's value in an image before anything has seeded it.
constexpr DWORD UNSEEDED_GUARD = 0;
constexpr DWORD PROBE_TIME_LIMIT_MS = 20000;

std::string ProbePath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string self = path;
    return self.substr(0, self.find_last_of('\\') + 1) + "stack-guard-probe.exe";
}

// Starts the probe and returns the guard it reports as its exit code.
::testing::AssertionResult RunProbe(DWORD& guard)
{
    std::string commandLine = "\"" + ProbePath() + "\"";
    STARTUPINFOA startupInfo = {};
    startupInfo.cb = sizeof startupInfo;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startupInfo, &process)) {
        return ::testing::AssertionFailure()
               << "cannot start " << commandLine << ": error " << GetLastError();
    }
    const DWORD waited = WaitForSingleObject(process.hProcess, PROBE_TIME_LIMIT_MS);
    if (waited != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, PROBE_TIME_LIMIT_MS);
    }
    const BOOL read = GetExitCodeProcess(process.hProcess, &guard);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (waited != WAIT_OBJECT_0 || !read) {
        return ::testing::AssertionFailure() << "the probe did not end in time";
    }
    return ::testing::AssertionSuccess();
}

TEST(StackGuard, DiffersFromStartToStartAndFromItsInitialValue)
{
    DWORD first = 0;
    DWORD second = 0;
    ASSERT_TRUE(RunProbe(first));
    ASSERT_TRUE(RunProbe(second));
    EXPECT_NE(first, UNSEEDED_GUARD);
    EXPECT_NE(second, UNSEEDED_GUARD);
    EXPECT_NE(first, second);
}

}  // namespace
