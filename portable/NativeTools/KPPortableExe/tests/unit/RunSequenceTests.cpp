// The run's order of steps with the Windows layer replaced by recorders, for
// what cannot be set up under a real process: a current directory that
// cannot be read (Wine cannot even start a process from an overlong one).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DiagnosticMode.h"
#include "LaunchLog.h"
#include "MessageBoxes.h"
#include "ProcessLaunch.h"
#include "RecordingLaunchLog.h"
#include "StartDirectory.h"
#include "StartProperties.h"
#include "StartupSequence.h"
#include "VariantRows.h"

const VariantProfile ACTIVE_PROFILE = DIAGNOSTIC_PROFILE;
const MessageCatalogue ACTIVE_MESSAGES = GERMAN_MESSAGES;

namespace {

std::vector<std::string> calls;
bool startDirectoryReadable = true;

}  // namespace

bool GetStartDirectory(char (&startDirectory)[PATH_BUFFER_SIZE])
{
    calls.emplace_back("GetStartDirectory");
    startDirectory[0] = '\0';
    return startDirectoryReadable;
}

void PrepareLogDirectories(const char*)
{
    calls.emplace_back("PrepareLogDirectories");
}

void OpenLaunchLog(const char*)
{
    calls.emplace_back("OpenLaunchLog");
}

void CloseLaunchLog()
{
    calls.emplace_back("CloseLaunchLog");
}

void LoadStartProperties(const char*)
{
    calls.emplace_back("LoadStartProperties");
}

bool ExecuteCommand(char*)
{
    calls.emplace_back("ExecuteCommand");
    return true;
}

bool ExecuteDiagnosticCommand(const char*, char*)
{
    calls.emplace_back("ExecuteDiagnosticCommand");
    return true;
}

void ShowErrorBox(const char* text)
{
    calls.emplace_back(std::string("ShowErrorBox ") + text);
}

namespace {

class RunSequence : public testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        recordedLogEntries.clear();
    }
};

// Without its start directory the run would read and create files at the
// root of the current drive; it ends instead, having read the directory once.
TEST_F(RunSequence, AnUnreadableStartDirectoryEndsTheRunBeforeAnythingElse)
{
    startDirectoryReadable = false;
    EXPECT_EQ(RunLauncher("-c my.properties"), -1);
    EXPECT_EQ(calls, std::vector<std::string>{"GetStartDirectory"});
    EXPECT_TRUE(recordedLogEntries.empty());
}

TEST_F(RunSequence, DiagnosticModePreparesTheFolderBeforeTheLogIsOpened)
{
    startDirectoryReadable = true;
    RunLauncher("");
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[0], "GetStartDirectory");
    EXPECT_EQ(calls[1], "PrepareLogDirectories");
    EXPECT_EQ(calls[2], "OpenLaunchLog");
    EXPECT_EQ(calls[3], "LoadStartProperties");
}

struct LengthCase {
    unsigned long reportedLength;
    bool usable;
};

void PrintTo(const LengthCase& row, std::ostream* out)
{
    *out << row.reportedLength;
}

class StartDirectoryLength : public testing::TestWithParam<LengthCase> {};

// The system reports 0 when it cannot read the directory, and the size it
// would need, terminator included, when the buffer is too small.
TEST_P(StartDirectoryLength, DecidesWhetherTheRunCanGoOn)
{
    EXPECT_EQ(IsUsableStartDirectoryLength(GetParam().reportedLength), GetParam().usable);
}

INSTANTIATE_TEST_SUITE_P(Rows, StartDirectoryLength,
                         testing::Values(LengthCase{0, false}, LengthCase{3, true},
                                         LengthCase{259, true}, LengthCase{260, false},
                                         LengthCase{32767, false}));

}  // namespace
