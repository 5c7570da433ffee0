// The main job through the real executables: the start-properties file read
// as the C runtime's text mode reads it, the Java command line the stand-in
// Java runtime receives, and how a failed or refused launch ends.
#include <gtest/gtest.h>

#include <string>

#include "LauncherHarness.h"
#include "PortableFolder.h"
#include "RowName.h"

namespace {

const std::string DEFAULT_PROPERTIES = "current\\config\\start.properties";
const std::string DEMO_PROPERTIES = "current\\config\\start_DemoMode.properties";
const std::string CANNOT_START = "Can't start the application!";

// The line PROD composes for a start directory without blanks.
std::string ProdCommandLine(const std::string& startDirectory, const std::string& jvmOptions)
{
    return startDirectory + "\\java\\bin\\javaw.exe " + jvmOptions + " -propertyfile " +
           DEFAULT_PROPERTIES;
}

// A folder ready for PROD: the stand-in Java runtime and the data folder.
void PrepareProd(const PortableFolder& folder)
{
    folder.InstallJava("javaw.exe");
    folder.MakeDataFolder();
}

// The unit tests of the tokenizer cover its rules row by row on the bytes it
// is fed. The rows here are those whose fault only the real executable shows:
// the file read in the C runtime's text mode (CR LF, a lone CR, Ctrl-Z), an
// empty file, a NUL, and bytes above 127 from a real file reaching the Java
// runtime's command line.
struct PropertiesCase {
    const char* name;
    std::string fileBytes;
    std::string jvmOptions;
};

class StartPropertiesFile : public testing::TestWithParam<PropertiesCase> {};

TEST_P(StartPropertiesFile, GivesTheJavaRuntimeItsOptions)
{
    const PropertiesCase& row = GetParam();
    PortableFolder folder;
    PrepareProd(folder);
    folder.WriteStartProperties(row.fileBytes);
    const LaunchOutcome outcome = LaunchIn(PROD, folder.Path());
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(outcome.exitCode, 0u);
    EXPECT_TRUE(outcome.boxes.empty());
    const std::string record = WaitForJavaRecord(folder);
    EXPECT_EQ(JavaRecordValue(record, FIELD_COMMAND_LINE), ProdCommandLine(folder.Path(), row.jvmOptions));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StartPropertiesFile,
    testing::Values(
        PropertiesCase{"WorkedExample",
                       "-Xms64m -Xmx512m\r\n\t-Dfile.encoding=UTF-8\r\n/**\r\napp.title=KP\r\n",
                       "-Xms64m -Xmx512m -Dfile.encoding=UTF-8 "},
        PropertiesCase{"Empty", "", " "},
        // Text mode: CR LF reads as one line end, a Ctrl-Z ends the file, a
        // lone CR stays white space.
        PropertiesCase{"NoMarkerTrailingLineEnd", "-Xmx1g -Da=b\r\n", "-Xmx1g -Da=b  "},
        PropertiesCase{"CtrlZEndsTheFile", "-a -b \x1a -c /**", "-a -b  "},
        PropertiesCase{"CtrlZInsideToken", "-a\x1a-b /**", "-a "},
        PropertiesCase{"LoneCarriageReturn", "-a\r-b /**", "-a -b "},
        // A NUL stops the reader; it must end, keeping the options before it.
        PropertiesCase{"NulStopsTheOptions", std::string("-a -b\0-c /**", 12), "-a -b "},
        PropertiesCase{"Utf16File",
                       std::string("\xFF\xFE-\0X\0m\0x\0" "1\0g\0 \0/\0*\0*\0", 22),
                       "\xFF\xFE- "}),
    RowName());

TEST(ProdLaunch, RunsDetachedInTheStartDirectoryAndLogsSevenLines)
{
    PortableFolder folder;
    PrepareProd(folder);
    folder.WriteStartProperties("-Xmx512m -Dx=1 /**");
    const LaunchOutcome outcome = LaunchIn(PROD, folder.Path());
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(DescribeExitCode(outcome.exitCode), DescribeExitCode(0));
    const std::string record = WaitForJavaRecord(folder);
    EXPECT_EQ(JavaRecordValue(record, FIELD_COMMAND_LINE),
              folder.Path() + "\\java\\bin\\javaw.exe -Xmx512m -Dx=1  -propertyfile " +
                  DEFAULT_PROPERTIES);
    EXPECT_EQ(JavaRecordValue(record, FIELD_CURRENT_DIRECTORY), folder.Path());
    EXPECT_EQ(JavaRecordValue(record, FIELD_CONSOLE), "no");
    EXPECT_EQ(JavaRecordValue(record, FIELD_STDOUT), "none");
    const std::string log = folder.ReadFile(LogPathOf(PROD));
    EXPECT_EQ(log, JoinEntries({"Starting ...", "check for params", "try to load the properties",
                                "load property file", DEFAULT_PROPERTIES, "execute command",
                                "try to create process"}));
}

TEST(DemoLaunch, ReadsAndNamesTheDemoFileAndLogsOnItsOwn)
{
    PortableFolder folder;
    PrepareProd(folder);
    folder.WriteStartProperties("-Ddefault=1 /**");
    folder.WriteStartProperties("-Ddemo=1 /**", DEMO_PROPERTIES);
    const LaunchOutcome outcome = LaunchIn(DEMO, folder.Path());
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(outcome.exitCode, 0u);
    const std::string record = WaitForJavaRecord(folder);
    EXPECT_EQ(JavaRecordValue(record, FIELD_COMMAND_LINE),
              folder.Path() + "\\java\\bin\\javaw.exe -Ddemo=1  -propertyfile " + DEMO_PROPERTIES);
    EXPECT_EQ(JavaRecordValue(record, FIELD_CONSOLE), "no");
    EXPECT_EQ(folder.ReadFile(LogPathOf(DEMO)),
              JoinEntries({"Starting ...", "check for params", "try to load the properties",
                           "load property file", DEMO_PROPERTIES, "execute command",
                           "try to create process"}));
    EXPECT_FALSE(folder.Exists(LogPathOf(PROD)));
}

// -c chooses where the options come from; the Java program is still told
// the variant's default file.
TEST(AlternateFile, SuppliesTheOptionsWhileTheDefaultFileIsPassedOn)
{
    PortableFolder folder;
    PrepareProd(folder);
    folder.WriteStartProperties("-Ddefault=1 /**");
    folder.WriteFile("other.properties", "-Dother=1 /**");
    const LaunchOutcome outcome = LaunchIn(PROD, folder.Path(), "-c other.properties");
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(outcome.exitCode, 0u);
    EXPECT_EQ(JavaRecordValue(WaitForJavaRecord(folder), FIELD_COMMAND_LINE),
              ProdCommandLine(folder.Path(), "-Dother=1 "));
    EXPECT_EQ(folder.ReadFile(LogPathOf(PROD)),
              JoinEntries({"Starting ...", "check for params", "load another property file",
                           "extract property", "other.properties", "try to load the properties",
                           "load property file", "other.properties", "execute command",
                           "try to create process"}));
}

// Names given with -c that do not reach a file: each is reported as typed.
struct UnreachableNameCase {
    const char* name;
    std::string typedName;  // what follows "-c "
    bool absolute;          // typedName is prefixed with the start directory
};

class UnreachableName : public testing::TestWithParam<UnreachableNameCase> {};

TEST_P(UnreachableName, IsReportedAsTypedAndNothingStarts)
{
    PortableFolder folder;
    PrepareProd(folder);
    folder.WriteStartProperties("-Ddefault=1 /**");
    folder.WriteFile("my.properties", "-Dmine=1 /**");
    // An absolute name is joined to the start directory like any other.
    const std::string typed =
        GetParam().absolute ? folder.PathOf(GetParam().typedName) : GetParam().typedName;
    const LaunchOutcome outcome = LaunchIn(PROD, folder.Path(), "-c " + typed);
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(outcome.exitCode, EXIT_CODE_NOTHING_TO_LAUNCH);
    ASSERT_EQ(outcome.boxes.size(), 1u);
    EXPECT_EQ(outcome.boxes[0].text, "Could not find file '" + typed + "'!");
    EXPECT_FALSE(folder.Exists("java\\bin\\received.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UnreachableName,
    testing::Values(UnreachableNameCase{"Empty", "", false},
                    UnreachableNameCase{"Quoted", "\"my.properties\"", false},
                    UnreachableNameCase{"DriveLetter", "my.properties", true},
                    UnreachableNameCase{"Directory", "current", false},
                    UnreachableNameCase{"PathTooLongToOpen", std::string(300, 'p'), false}),
    RowName());

// An unquoted path with a blank would start C:\...\My.exe, a program planted
// at the first blank, instead of the folder's own Java runtime.
TEST(StartDirectoryWithBlank, StartsTheFoldersOwnJavaNotAProgramAtTheBlank)
{
    PortableFolder outer("Decoy");
    const std::string startDirectory = "My App";
    outer.InstallJavaAt("My.exe");
    outer.WriteFile(startDirectory + "\\current\\config\\start.properties", "-Xmx1g /**");
    outer.MakeDirectory(startDirectory + "\\Kestrelpoint-Portable\\kestrelpoint");
    outer.InstallJavaAt(startDirectory + "\\java\\bin\\javaw.exe");
    const LaunchOutcome outcome = LaunchIn(PROD, outer.PathOf(startDirectory));
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(outcome.exitCode, 0u);
    const std::string record = WaitForJavaRecord(outer, startDirectory + "\\java\\bin");
    EXPECT_EQ(JavaRecordValue(record, FIELD_COMMAND_LINE),
              "\"" + outer.PathOf(startDirectory) + "\\java\\bin\\javaw.exe\" -Xmx1g  -propertyfile " +
                  DEFAULT_PROPERTIES);
    EXPECT_FALSE(outer.Exists("received.txt"));
}

TEST(MissingJavaRuntime, IsReportedAndEndsWithExitCodeOne)
{
    PortableFolder folder;
    folder.MakeDataFolder();
    folder.WriteStartProperties("-Xmx1g /**");
    const LaunchOutcome outcome = LaunchIn(PROD, folder.Path());
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(DescribeExitCode(outcome.exitCode), DescribeExitCode(EXIT_CODE_LAUNCH_FAILED));
    ASSERT_EQ(outcome.boxes.size(), 1u);
    EXPECT_EQ(outcome.boxes[0].caption, "Error");
    EXPECT_EQ(outcome.boxes[0].text, CANNOT_START);
    EXPECT_EQ(outcome.boxes[0].buttonCount, 1);
    EXPECT_FALSE(outcome.boxes[0].hasOwner);
    const std::string log = folder.ReadFile(LogPathOf(PROD));
    const std::string ending = "execute command\r\ntry to create process\r\n";
    EXPECT_EQ(log.substr(log.size() - ending.size()), ending);
}

// Options or lines too long to hold whole are never started cut: the launch
// is refused with the box, exit code 1, and Java is not started.
void ExpectRefused(const LaunchOutcome& outcome, const PortableFolder& folder)
{
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(outcome.exitCode, EXIT_CODE_LAUNCH_FAILED);
    ASSERT_EQ(outcome.boxes.size(), 1u);
    EXPECT_EQ(outcome.boxes[0].text, CANNOT_START);
    EXPECT_FALSE(folder.Exists("java\\bin\\received.txt"));
    const std::string log = folder.ReadFile(LogPathOf(PROD));
    EXPECT_EQ(log.find("execute command"), std::string::npos);
}

std::string OptionOfLength(size_t length)
{
    return "-D" + std::string(length - 2, 'x');
}

TEST(CommandLimit, TheLongestLineStartsAndOneCharMoreIsRefused)
{
    constexpr size_t LONGEST_LINE = 8047;
    for (const size_t extra : {0, 1}) {
        SCOPED_TRACE(extra);
        PortableFolder folder;
        PrepareProd(folder);
        const size_t filling = LONGEST_LINE - ProdCommandLine(folder.Path(), "").size() - 1;
        folder.WriteStartProperties(OptionOfLength(filling + extra) + " /**");
        const LaunchOutcome outcome = LaunchIn(PROD, folder.Path());
        if (extra == 0) {
            ASSERT_TRUE(Ended(outcome));
            EXPECT_EQ(outcome.exitCode, 0u);
            EXPECT_EQ(JavaRecordValue(WaitForJavaRecord(folder), FIELD_COMMAND_LINE).size(), LONGEST_LINE);
        } else {
            ExpectRefused(outcome, folder);
        }
    }
}

struct OverlongCase {
    const char* name;
    size_t optionLength;
};

class OverlongOptions : public testing::TestWithParam<OverlongCase> {};

TEST_P(OverlongOptions, AreRefusedWithoutStartingJava)
{
    PortableFolder folder;
    PrepareProd(folder);
    folder.WriteStartProperties(OptionOfLength(GetParam().optionLength) + " -Xmx1g /**");
    ExpectRefused(LaunchIn(PROD, folder.Path()), folder);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, OverlongOptions,
    testing::Values(OverlongCase{"FillTheBufferWithoutTheirBlank", 8047},
                    OverlongCase{"FarOverTheBuffer", 100000}),
    RowName());

}  // namespace
