#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandTail.h"
#include "LauncherState.h"
#include "RecordingLaunchLog.h"

namespace {

// 0x81 plays a double-byte lead byte here, as in the Japanese code page.
bool LeadByteAt0x81(unsigned char byte)
{
    return byte == 0x81;
}

struct SkipCase {
    const char* name;
    std::string commandLine;
    std::string tail;
};

void PrintTo(const SkipCase& row, std::ostream* out)
{
    *out << row.name;
}

class SkipExecutableNameTest : public testing::TestWithParam<SkipCase> {};

TEST_P(SkipExecutableNameTest, LeavesTheTail)
{
    EXPECT_EQ(SkipExecutableName(GetParam().commandLine.c_str(), LeadByteAt0x81),
              GetParam().tail);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SkipExecutableNameTest,
    testing::Values(
        SkipCase{"QuotedNameThenBlank", "\"C:\\My App\\kp.exe\" -c my.properties",
                 "-c my.properties"},
        SkipCase{"OptionRightAfterQuoteBelongsToName", "\"C:\\kp.exe\"-c my.properties",
                 "my.properties"},
        SkipCase{"UnquotedName", "kp.exe -c x", "-c x"},
        SkipCase{"QuotesInsideName", "a\"b c\"d e", "e"},
        SkipCase{"UnclosedQuoteTakesAll", "\"kp.exe -c x", ""},
        SkipCase{"NameOnly", "kp.exe", ""},
        SkipCase{"TrailingSeparatorsOnly", "kp.exe \t ", ""},
        SkipCase{"ControlCharsSeparate", "kp.exe\x01\x1Fx y", "x y"},
        SkipCase{"TailKeepsItsQuotesAndBlanks", "kp.exe  \"a b\"  ", "\"a b\"  "},
        SkipCase{"HighBytesBelongToName", "k\xA0p.exe x", "x"},
        SkipCase{"LeadByteTakesTheBlankAlong", "k\x81 p.exe x", "x"},
        SkipCase{"LeadByteBeforeTerminatorStops", "kp\x81", ""},
        SkipCase{"Empty", "", ""}));

TEST(SkipExecutableNameTest, NoCommandLineGivesTheEmptyTail)
{
    EXPECT_STREQ(SkipExecutableName(nullptr, LeadByteAt0x81), "");
}

struct ScanCase {
    const char* name;
    std::string tail;
    int alternateFileRequested;
    std::string propertyArgument;
    std::vector<std::string> entries;
};

void PrintTo(const ScanCase& row, std::ostream* out)
{
    *out << row.name;
}

class ScanCommandTailTest : public testing::TestWithParam<ScanCase> {
protected:
    void SetUp() override
    {
        launcherState = LauncherState{};
        recordedLogEntries.clear();
    }
};

const std::string LOAD_ANOTHER = "load another property file";
const std::string EXTRACT = "extract property";

TEST_P(ScanCommandTailTest, SetsTheFlagAndTheArgumentAndLogsThem)
{
    const ScanCase& row = GetParam();
    ScanCommandTail(row.tail.c_str());
    EXPECT_EQ(launcherState.alternateFileRequested, row.alternateFileRequested);
    EXPECT_EQ(std::string(launcherState.propertyArgument), row.propertyArgument);
    EXPECT_EQ(recordedLogEntries, row.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScanCommandTailTest,
    testing::Values(
        ScanCase{"Empty", "", 0, "", {}},
        ScanCase{"OptionAndName", "-c my.properties", 1, "my.properties",
                 {LOAD_ANOTHER, EXTRACT, "my.properties"}},
        ScanCase{"Joined", "-cmy.properties", 1, "my.properties",
                 {LOAD_ANOTHER, EXTRACT, "my.properties"}},
        ScanCase{"OptionAlone", "-c", 1, "", {LOAD_ANOTHER}},
        ScanCase{"FinalHyphen", "-c -", 1, "", {LOAD_ANOTHER}},
        ScanCase{"NameOnly", "my.properties", 0, "my.properties", {EXTRACT, "my.properties"}},
        ScanCase{"OptionAfterName", "my.properties -c", 0, "my.properties -c",
                 {EXTRACT, "my.properties -c"}},
        ScanCase{"OtherOption", "-x my.properties", 0, "my.properties",
                 {EXTRACT, "my.properties"}},
        ScanCase{"UpperCase", "-C my.properties", 0, "my.properties",
                 {EXTRACT, "my.properties"}},
        ScanCase{"DoubleHyphen", "--c my.properties", 0, "c my.properties",
                 {EXTRACT, "c my.properties"}},
        ScanCase{"HyphenBlank", "- c my.properties", 0, "c my.properties",
                 {EXTRACT, "c my.properties"}},
        ScanCase{"Twice", "-c -c my.properties", 1, "my.properties",
                 {LOAD_ANOTHER, LOAD_ANOTHER, EXTRACT, "my.properties"}},
        ScanCase{"Tab", "-c\tmy.properties", 1, "\tmy.properties",
                 {LOAD_ANOTHER, EXTRACT, "\tmy.properties"}},
        ScanCase{"TrailingBlanks", "-c my.properties  ", 1, "my.properties  ",
                 {LOAD_ANOTHER, EXTRACT, "my.properties  "}},
        ScanCase{"LeadingBlanks", "   -c x", 1, "x", {LOAD_ANOTHER, EXTRACT, "x"}},
        ScanCase{"HighByteStartsTheName", "\xE4.properties", 0, "\xE4.properties",
                 {EXTRACT, "\xE4.properties"}}));

TEST(ScanCommandTailLimits, CutsARestLongerThanTheBufferHolds)
{
    launcherState = LauncherState{};
    recordedLogEntries.clear();
    const std::string tail = "-c " + std::string(COMMAND_BUFFER_SIZE + 100, 'n');
    ScanCommandTail(tail.c_str());
    EXPECT_EQ(std::string(launcherState.propertyArgument),
              std::string(COMMAND_BUFFER_SIZE - 1, 'n'));
}

}  // namespace
