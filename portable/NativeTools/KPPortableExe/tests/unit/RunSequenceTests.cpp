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
#include "LauncherState.h"
#include "RecordingLaunchLog.h"
#include "RowName.h"
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

void ShowMessageBox(MessageId id)
{
    calls.emplace_back("ShowMessageBox " + std::to_string(id));
}

namespace {

class RunSequence : public testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        recordedLogEntries.clear();
        launcherState = LauncherState{};
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

const std::string LOAD_ANOTHER = "load another property file";
const std::string EXTRACT = "extract property";

struct TailCase {
    const char* name;
    std::string tail;
    int alternateFileRequested;
    std::string propertyArgument;
    int propertyArgumentCut;
    std::vector<std::string> entries;  // between "check for params" and "try to load ..."
};

class CommandTailStep : public RunSequence, public testing::WithParamInterface<TailCase> {};

// ScanCommandTail sets the fields the reader acts on from what the scan
// found, and logs each -c and the argument in the order they stand.
TEST_P(CommandTailStep, SetsTheStateAndLogsWhatTheScanFound)
{
    const TailCase& row = GetParam();
    startDirectoryReadable = true;
    RunLauncher(row.tail.c_str());
    EXPECT_EQ(launcherState.alternateFileRequested, row.alternateFileRequested);
    EXPECT_EQ(std::string(launcherState.propertyArgument), row.propertyArgument);
    EXPECT_EQ(launcherState.propertyArgumentCut, row.propertyArgumentCut);
    std::vector<std::string> expected = {"Starting ...", "check for params"};
    expected.insert(expected.end(), row.entries.begin(), row.entries.end());
    expected.push_back("try to load the properties");
    EXPECT_EQ(recordedLogEntries, expected);
}

const std::string LONGEST_ARGUMENT(COMMAND_BUFFER_SIZE - 1, 'n');

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandTailStep,
    testing::Values(
        TailCase{"Empty", "", 0, "", 0, {}},
        TailCase{"OptionAndName", "-c my.properties", 1, "my.properties", 0,
                 {LOAD_ANOTHER, EXTRACT, "my.properties"}},
        TailCase{"OptionAlone", "-c", 1, "", 0, {LOAD_ANOTHER}},
        TailCase{"NameOnly", "my.properties", 0, "my.properties", 0, {EXTRACT, "my.properties"}},
        TailCase{"Twice", "-c -c my.properties", 1, "my.properties", 0,
                 {LOAD_ANOTHER, LOAD_ANOTHER, EXTRACT, "my.properties"}},
        TailCase{"CutName", "-c " + LONGEST_ARGUMENT + "n", 1, LONGEST_ARGUMENT, 1,
                 {LOAD_ANOTHER, EXTRACT, LONGEST_ARGUMENT}}),
    RowName());

struct LengthCase {
    const char* name;
    unsigned long reportedLength;
    bool usable;
};

class StartDirectoryLength : public testing::TestWithParam<LengthCase> {};

// The system reports 0 when it cannot read the directory, and the size it
// would need, terminator included, when the buffer is too small.
TEST_P(StartDirectoryLength, DecidesWhetherTheRunCanGoOn)
{
    EXPECT_EQ(IsUsableStartDirectoryLength(GetParam().reportedLength), GetParam().usable);
}

INSTANTIATE_TEST_SUITE_P(Rows, StartDirectoryLength,
                         testing::Values(LengthCase{"Unreadable", 0, false},
                                         LengthCase{"DriveRoot", 3, true},
                                         LengthCase{"Longest", 259, true},
                                         LengthCase{"OneTooLong", 260, false},
                                         LengthCase{"LongPath", 32767, false}),
                         RowName());

}  // namespace
