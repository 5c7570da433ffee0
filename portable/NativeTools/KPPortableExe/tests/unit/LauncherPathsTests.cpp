#include <gtest/gtest.h>

#include <string>

#include "LauncherPaths.h"
#include "VariantRows.h"

namespace {

using ComposeFunction = bool (*)(char*, std::size_t, const VariantProfile&, const char*);

struct PathCase {
    const char* name;
    ComposeFunction compose;
    const VariantProfile* profile;
    std::string startDirectory;
    std::string path;
};

void PrintTo(const PathCase& row, std::ostream* out)
{
    *out << row.name;
}

class LauncherPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(LauncherPathTest, JoinsThePartsWithOneBackslashEach)
{
    const PathCase& row = GetParam();
    char path[JOINED_PATH_BUFFER_SIZE];
    ASSERT_TRUE(row.compose(path, sizeof path, *row.profile, row.startDirectory.c_str()));
    EXPECT_EQ(std::string(path), row.path);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LauncherPathTest,
    testing::Values(
        PathCase{"ProdLog", ComposeLogPath, &PROD_PROFILE, "E:\\Apps",
                 "E:\\Apps\\Kestrelpoint-Portable\\kestrelpoint\\Kestrelpoint-Portable.log"},
        PathCase{"DemoLog", ComposeLogPath, &DEMO_PROFILE, "E:\\Apps",
                 "E:\\Apps\\Kestrelpoint-Portable\\kestrelpoint\\Kestrelpoint-Portable-Demo.log"},
        PathCase{"DiagnosticLog", ComposeLogPath, &DIAGNOSTIC_PROFILE, "E:\\Apps",
                 "E:\\Apps\\Kestrelpoint-Portable\\kestrelpoint\\"
                 "Kestrelpoint-Portable-DiagnosticMode.log"},
        PathCase{"DriveRootDoublesTheBackslash", ComposeLogPath, &PROD_PROFILE, "C:\\",
                 "C:\\\\Kestrelpoint-Portable\\kestrelpoint\\Kestrelpoint-Portable.log"},
        PathCase{"OuterDirectory", ComposeOuterDirectory, &DIAGNOSTIC_PROFILE, "E:\\Apps",
                 "E:\\Apps\\Kestrelpoint-Portable"},
        PathCase{"DataDirectory", ComposeDataDirectory, &DIAGNOSTIC_PROFILE, "E:\\Apps",
                 "E:\\Apps\\Kestrelpoint-Portable\\kestrelpoint"},
        PathCase{"CaptureBase", ComposeDiagnosticLogBase, &DIAGNOSTIC_PROFILE, "E:\\Apps",
                 "E:\\Apps\\Kestrelpoint-Portable\\kestrelpoint\\diagnostic.log."}));

// The longest start directory the system reports still gets every path whole.
TEST(LauncherPathLimits, TheLongestStartDirectoryIsNeverCut)
{
    const std::string startDirectory = "C:\\" + std::string(PATH_BUFFER_SIZE - 4, 'd');
    char path[JOINED_PATH_BUFFER_SIZE];
    ASSERT_TRUE(ComposeLogPath(path, sizeof path, DIAGNOSTIC_PROFILE, startDirectory.c_str()));
    EXPECT_EQ(std::string(path).size(), startDirectory.size() + 76);
    ASSERT_TRUE(ComposeDiagnosticLogBase(path, sizeof path, DIAGNOSTIC_PROFILE,
                                         startDirectory.c_str()));
    EXPECT_TRUE(AppendCaptureDate(path, sizeof path, 65535, 12, 31));
}

TEST(LauncherPathLimits, AJoinThatDoesNotFitLeavesThePathUnchanged)
{
    char path[12] = "C:\\KP";
    EXPECT_FALSE(AppendPathPart(path, sizeof path, "0123456789"));
    EXPECT_STREQ(path, "C:\\KP");
    EXPECT_FALSE(AppendCaptureDate(path, sizeof path, 2015, 9, 17));
    EXPECT_STREQ(path, "C:\\KP");
    EXPECT_TRUE(AppendPathPart(path, sizeof path, "01234"));
    EXPECT_STREQ(path, "C:\\KP\\01234");
}

struct DateCase {
    unsigned year, month, day;
    std::string text;
};

void PrintTo(const DateCase& row, std::ostream* out)
{
    *out << row.text;
}

class CaptureDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(CaptureDateTest, IsDecimalWithoutLeadingZeros)
{
    char path[JOINED_PATH_BUFFER_SIZE] = "diagnostic.log.";
    ASSERT_TRUE(AppendCaptureDate(path, sizeof path, GetParam().year, GetParam().month,
                                  GetParam().day));
    EXPECT_EQ(std::string(path), "diagnostic.log." + GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, CaptureDateTest,
                         testing::Values(DateCase{2015, 9, 17, "2015-9-17"},
                                         DateCase{2015, 9, 7, "2015-9-7"},
                                         DateCase{2026, 12, 11, "2026-12-11"},
                                         DateCase{1601, 1, 1, "1601-1-1"},
                                         DateCase{65535, 12, 31, "65535-12-31"}));

TEST(PropertiesPath, AnyNameStaysBelowTheStartDirectory)
{
    char path[COMMAND_BUFFER_SIZE];
    ASSERT_TRUE(ComposePropertiesPath(path, sizeof path, "D:\\KP", "C:\\other.properties"));
    EXPECT_STREQ(path, "D:\\KP\\C:\\other.properties");
    ASSERT_TRUE(ComposePropertiesPath(path, sizeof path, "D:\\KP", ""));
    EXPECT_STREQ(path, "D:\\KP\\");
}

}  // namespace
