#include <gtest/gtest.h>

#include <string>

#include "LauncherPaths.h"
#include "RowName.h"
#include "VariantRows.h"

namespace {

using ComposeFunction = void (*)(JoinedPath&, const VariantProfile&, const char*);

struct PathCase {
    const char* name;
    ComposeFunction compose;
    const VariantProfile* profile;
    std::string startDirectory;
    std::string path;
};

class LauncherPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(LauncherPathTest, JoinsThePartsWithOneBackslashEach)
{
    const PathCase& row = GetParam();
    JoinedPath path;
    row.compose(path, *row.profile, row.startDirectory.c_str());
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
                 "E:\\Apps\\Kestrelpoint-Portable\\kestrelpoint\\diagnostic.log."}),
    RowName());

// The longest start directory the system reports still gets every path
// whole, the capture file's with the longest date too.
TEST(LauncherPathLimits, TheLongestStartDirectoryIsNeverCut)
{
    const std::string startDirectory = "C:\\" + std::string(PATH_BUFFER_SIZE - 4, 'd');
    JoinedPath path;
    ComposeLogPath(path, DIAGNOSTIC_PROFILE, startDirectory.c_str());
    EXPECT_EQ(std::string(path),
              startDirectory + "\\Kestrelpoint-Portable\\kestrelpoint\\"
                               "Kestrelpoint-Portable-DiagnosticMode.log");
    ComposeDiagnosticLogBase(path, DIAGNOSTIC_PROFILE, startDirectory.c_str());
    AppendCaptureDate(path, 65535, 12, 31);
    EXPECT_EQ(std::string(path),
              startDirectory + "\\Kestrelpoint-Portable\\kestrelpoint\\diagnostic.log.65535-12-31");
}

TEST(LauncherPathLimits, AJoinThatDoesNotFitLeavesThePathUnchanged)
{
    char path[12] = "C:\\KP";
    EXPECT_FALSE(AppendPathPart(path, sizeof path, "0123456789"));
    EXPECT_STREQ(path, "C:\\KP");
    EXPECT_TRUE(AppendPathPart(path, sizeof path, "01234"));
    EXPECT_STREQ(path, "C:\\KP\\01234");
}

struct DateCase {
    const char* name;
    std::uint16_t year, month, day;
    std::string text;
};

class CaptureDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(CaptureDateTest, IsDecimalWithoutLeadingZeros)
{
    JoinedPath path = "diagnostic.log.";
    AppendCaptureDate(path, GetParam().year, GetParam().month, GetParam().day);
    EXPECT_EQ(std::string(path), "diagnostic.log." + GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CaptureDateTest,
    testing::Values(DateCase{"TwoDigitDay", 2015, 9, 17, "2015-9-17"},
                    DateCase{"SingleDigits", 2015, 9, 7, "2015-9-7"},
                    DateCase{"TwoDigitMonth", 2026, 12, 11, "2026-12-11"},
                    DateCase{"FirstYearOfTheSystemClock", 1601, 1, 1, "1601-1-1"},
                    DateCase{"LargestYear", 65535, 12, 31, "65535-12-31"}),
    RowName());

TEST(PropertiesPath, AnyNameStaysBelowTheStartDirectory)
{
    char path[COMMAND_BUFFER_SIZE];
    ASSERT_TRUE(ComposePropertiesPath(path, sizeof path, "D:\\KP", "C:\\other.properties"));
    EXPECT_STREQ(path, "D:\\KP\\C:\\other.properties");
    ASSERT_TRUE(ComposePropertiesPath(path, sizeof path, "D:\\KP", ""));
    EXPECT_STREQ(path, "D:\\KP\\");
}

}  // namespace
