#include <gtest/gtest.h>

#include <string>

#include "CommandTail.h"
#include "RowName.h"
#include "VariantProfile.h"

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
        SkipCase{"Empty", "", ""}),
    RowName());

TEST(SkipExecutableNameTest, NoCommandLineGivesTheEmptyTail)
{
    EXPECT_STREQ(SkipExecutableName(nullptr, LeadByteAt0x81), "");
}

struct ScanCase {
    const char* name;
    std::string tail;
    int alternateFileOptions;
    std::string argument;  // found when not empty
};

class ScanCommandTailTextTest : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanCommandTailTextTest, FindsTheOptionsAndTheArgument)
{
    const ScanCase& row = GetParam();
    char argument[COMMAND_BUFFER_SIZE];
    const CommandTailScan scan = ScanCommandTailText(row.tail.c_str(), argument, sizeof argument);
    EXPECT_EQ(scan.alternateFileOptions, row.alternateFileOptions);
    EXPECT_EQ(std::string(argument), row.argument);
    EXPECT_EQ(scan.argumentFound, !row.argument.empty());
    EXPECT_FALSE(scan.argumentCut);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScanCommandTailTextTest,
    testing::Values(ScanCase{"Empty", "", 0, ""},
                    ScanCase{"OptionAndName", "-c my.properties", 1, "my.properties"},
                    ScanCase{"Joined", "-cmy.properties", 1, "my.properties"},
                    ScanCase{"OptionAlone", "-c", 1, ""},
                    ScanCase{"FinalHyphen", "-c -", 1, ""},
                    ScanCase{"NameOnly", "my.properties", 0, "my.properties"},
                    ScanCase{"OptionAfterName", "my.properties -c", 0, "my.properties -c"},
                    ScanCase{"OtherOption", "-x my.properties", 0, "my.properties"},
                    ScanCase{"UpperCase", "-C my.properties", 0, "my.properties"},
                    ScanCase{"DoubleHyphen", "--c my.properties", 0, "c my.properties"},
                    ScanCase{"HyphenBlank", "- c my.properties", 0, "c my.properties"},
                    ScanCase{"Twice", "-c -c my.properties", 2, "my.properties"},
                    ScanCase{"Tab", "-c\tmy.properties", 1, "\tmy.properties"},
                    ScanCase{"TrailingBlanks", "-c my.properties  ", 1, "my.properties  "},
                    ScanCase{"LeadingBlanks", "   -c x", 1, "x"},
                    ScanCase{"HighByteStartsTheName", "\xE4.properties", 0, "\xE4.properties"}),
    RowName());

struct LimitCase {
    const char* name;
    size_t restLength;
    bool cut;
};

class ScanCommandTailLimits : public testing::TestWithParam<LimitCase> {};

// A rest that fills the buffer is whole; one char more is cut, and says so.
TEST_P(ScanCommandTailLimits, CutsARestLongerThanTheBufferHoldsAndSaysSo)
{
    const std::string tail = "-c " + std::string(GetParam().restLength, 'n');
    char argument[COMMAND_BUFFER_SIZE];
    const CommandTailScan scan = ScanCommandTailText(tail.c_str(), argument, sizeof argument);
    EXPECT_EQ(std::string(argument), std::string(COMMAND_BUFFER_SIZE - 1, 'n'));
    EXPECT_EQ(scan.argumentCut, GetParam().cut);
}

INSTANTIATE_TEST_SUITE_P(Rows, ScanCommandTailLimits,
                         testing::Values(LimitCase{"FillsTheBuffer", COMMAND_BUFFER_SIZE - 1, false},
                                         LimitCase{"OneCharOver", COMMAND_BUFFER_SIZE, true},
                                         LimitCase{"FarOver", COMMAND_BUFFER_SIZE + 100, true}),
                         RowName());

}  // namespace
