// The stack guard is seeded at every start: a guard that kept its initial
// value, the same in every process, would let an overflow forge it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "HarnessFacts.h"
#include "UniqueHandle.h"

namespace {

// The guard's value in an image before anything has seeded it.
constexpr DWORD UNSEEDED_GUARD = 0;
constexpr DWORD PROBE_TIME_LIMIT_MS = 20000;

// Starts the probe and returns the guard it reports as its exit code.
::testing::AssertionResult RunProbe(DWORD& guard)
{
    std::string commandLine = "\"" + BesideThisExecutable("stack-guard-probe.exe") + "\"";
    STARTUPINFOA startupInfo = {};
    startupInfo.cb = sizeof startupInfo;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startupInfo, &started)) {
        return ::testing::AssertionFailure()
               << "cannot start " << commandLine << ": error " << GetLastError();
    }
    OwnedProcess probe;
    probe.Adopt(started);
    const DWORD waited = WaitForSingleObject(probe.process.Get(), PROBE_TIME_LIMIT_MS);
    if (waited != WAIT_OBJECT_0) {
        probe.Kill();
    }
    const BOOL read = GetExitCodeProcess(probe.process.Get(), &guard);
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
