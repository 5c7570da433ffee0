// The start-up sequence through the real executables: the launch log, the
// command tail, the variants' names and texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LauncherHarness.h"
#include "PortableFolder.h"
#include "RowName.h"

namespace {


const std::string DEFAULT_PROPERTIES = "current\\config\\start.properties";

LaunchOutcome RunVariant(const std::string& deliverable, const PortableFolder& folder,
                         const std::string& commandTail = "")
{
    return LaunchIn(deliverable, folder.Path(), commandTail);
}

// The English box for a start-properties file that cannot be opened.
std::string FileNotFound(const std::string& name)
{
    return "Could not find file '" + name + "'!";
}

// A run whose start-properties file is missing ends after these entries.
std::string LogOfMissingFile(const std::vector<std::string>& tailEntries,
                             const std::string& relativeName)
{
    return JoinEntries({"Starting ...", "check for params"}) + JoinEntries(tailEntries) +
           JoinEntries({"try to load the properties", "load property file", relativeName,
                        FileNotFound(relativeName)});
}

TEST(LaunchLog, MissingStartPropertiesEndsTheLogWithTheMessageAndShowsIt)
{
    PortableFolder folder;
    folder.MakeDataFolder();
    const LaunchOutcome outcome = RunVariant(PROD, folder);
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(DescribeExitCode(outcome.exitCode), DescribeExitCode(EXIT_CODE_NOTHING_TO_LAUNCH));
    EXPECT_EQ(folder.ReadFile(LogPathOf(PROD)), LogOfMissingFile({}, DEFAULT_PROPERTIES));
    ASSERT_EQ(outcome.boxes.size(), 1u);
    EXPECT_EQ(outcome.boxes[0].caption, "Error");
    EXPECT_EQ(outcome.boxes[0].text, FileNotFound(DEFAULT_PROPERTIES));
    EXPECT_EQ(outcome.boxes[0].buttonCount, 1);
    EXPECT_FALSE(outcome.boxes[0].hasOwner);
}

TEST(LaunchLog, IsEmptiedByTheNextRun)
{
    PortableFolder folder;
    folder.MakeDataFolder();
    folder.WriteFile(LogPathOf(PROD), std::string(5000, 'x'));
    RunVariant(PROD, folder);
    EXPECT_EQ(folder.ReadFile(LogPathOf(PROD)), LogOfMissingFile({}, DEFAULT_PROPERTIES));
}

TEST(LaunchLog, WithoutTheDataFolderNoLogAndNoFolderIsCreatedAndTheRunGoesOn)
{
    for (const std::string& deliverable : {PROD, DEMO}) {
        SCOPED_TRACE(deliverable);
        PortableFolder folder;
        const LaunchOutcome outcome = RunVariant(deliverable, folder);
        ASSERT_TRUE(Ended(outcome));
        EXPECT_EQ(outcome.exitCode, EXIT_CODE_NOTHING_TO_LAUNCH);
        EXPECT_EQ(outcome.boxes.size(), 1u);
        EXPECT_FALSE(folder.Exists("Kestrelpoint-Portable"));
    }
}

TEST(LaunchLog, EachVariantWritesItsOwnLogInTheSharedDataFolder)
{
    PortableFolder folder;
    folder.MakeDataFolder();
    for (const std::string& deliverable : {PROD, DEMO, DIAGNOSTIC}) {
        RunVariant(deliverable, folder);
    }
    EXPECT_EQ(folder.ReadFile(LogPathOf(PROD)), LogOfMissingFile({}, DEFAULT_PROPERTIES));
    const std::string demoProperties = "current\\config\\start_DemoMode.properties";
    EXPECT_EQ(folder.ReadFile(LogPathOf(DEMO)), LogOfMissingFile({}, demoProperties));
    EXPECT_TRUE(folder.Exists(LogPathOf(DIAGNOSTIC)));
}

// What the launcher shows when its start-properties file is missing, in the
// language of each variant.
struct MissingFileCase {
    const char* name;  // the deliverable
    std::string text;
};

class MissingFileMessage : public testing::TestWithParam<MissingFileCase> {};

TEST_P(MissingFileMessage, IsShownInTheVariantsLanguage)
{
    PortableFolder folder;
    const LaunchOutcome outcome = RunVariant(GetParam().name, folder);
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(outcome.exitCode, EXIT_CODE_NOTHING_TO_LAUNCH);
    ASSERT_FALSE(outcome.boxes.empty());
    EXPECT_EQ(outcome.boxes.back().caption, "Error");
    EXPECT_EQ(outcome.boxes.back().text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, MissingFileMessage,
    testing::Values(
        MissingFileCase{PROD, "Could not find file 'current\\config\\start.properties'!"},
        MissingFileCase{DEMO, "Could not find file 'current\\config\\start_DemoMode.properties'!"},
        MissingFileCase{DIAGNOSTIC,
                        "Konnte die Datei current\\config\\start.properties nicht finden!"}),
    RowName());

// A command tail, what the scan of it leaves in the log, and which file the
// reader is then asked for. The unit tests of the scan cover its rules row by
// row; the rows here are those whose fault only the real executable shows:
// the entries reaching the log file as bytes, and -c (or its absence)
// deciding the file the reader opens.
struct TailCase {
    const char* name;
    std::string tail;
    std::vector<std::string> entries;  // between "check for params" and "try to load ..."
    std::string relativeName;          // the start-properties file the reader is asked for
};

class CommandTail : public testing::TestWithParam<TailCase> {};

TEST_P(CommandTail, IsScannedForOptionsAndTheFileName)
{
    const TailCase& row = GetParam();
    PortableFolder folder;
    folder.MakeDataFolder();
    const LaunchOutcome outcome = RunVariant(PROD, folder, row.tail);
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(folder.ReadFile(LogPathOf(PROD)), LogOfMissingFile(row.entries, row.relativeName));
}

const std::string LOAD_ANOTHER = "load another property file";
const std::string EXTRACT = "extract property";

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandTail,
    testing::Values(
        TailCase{"OptionAndName", "-c my.properties", {LOAD_ANOTHER, EXTRACT, "my.properties"},
                 "my.properties"},
        TailCase{"OptionAlone", "-c", {LOAD_ANOTHER}, ""},
        TailCase{"NameWithoutOption", "my.properties", {EXTRACT, "my.properties"},
                 DEFAULT_PROPERTIES},
        TailCase{"QuotesKept", "-c \"my.properties\"",
                 {LOAD_ANOTHER, EXTRACT, "\"my.properties\""}, "\"my.properties\""}),
    RowName());

// How the tail is cut from the full command line: a quoted executable name
// runs on up to the next blank, so an option written straight after the
// closing quote still belongs to the name. The unit tests cover the rule row
// by row; the rows here show that the launcher applies it to the command line
// it really got, not to the tail the C runtime cuts by rules of its own.
struct CommandLineCase {
    const char* name;
    std::string afterExecutable;  // what follows the quoted executable path
    std::vector<std::string> entries;
};

class ExecutableName : public testing::TestWithParam<CommandLineCase> {};

TEST_P(ExecutableName, IsSkippedByTheStartUpRule)
{
    const CommandLineCase& row = GetParam();
    PortableFolder folder;
    folder.MakeDataFolder();
    LaunchRequest request;
    request.executable = DeliverablePath(PROD);
    request.exactCommandLine = "\"" + request.executable + "\"" + row.afterExecutable;
    request.currentDirectory = folder.Path();
    ASSERT_TRUE(Ended(LaunchAndWatch(request)));
    const std::string log = folder.ReadFile(LogPathOf(PROD));
    const std::string expected = JoinEntries({"Starting ...", "check for params"}) +
                                 JoinEntries(row.entries) + "try to load the properties\r\n";
    EXPECT_EQ(log.substr(0, expected.size()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExecutableName,
    testing::Values(
        CommandLineCase{"BlankAfterQuotedName", " -c my.properties",
                        {LOAD_ANOTHER, EXTRACT, "my.properties"}},
        CommandLineCase{"OptionRightAfterQuote", "-c my.properties", {EXTRACT, "my.properties"}},
        CommandLineCase{"TabsAndControlCharsSkipped", "\t\x01 -c x", {LOAD_ANOTHER, EXTRACT, "x"}}),
    RowName());

// A rest of the tail longer than the launcher holds is cut; the cut name
// still cannot be opened, so no other file is ever read in its place.
TEST(CommandTailLimits, AnOverlongFileNameIsCutAndReportedAsNotFound)
{
    PortableFolder folder;
    folder.MakeDataFolder();
    const std::string name(9000, 'n');
    const LaunchOutcome outcome = RunVariant(PROD, folder, "-c " + name);
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(outcome.exitCode, EXIT_CODE_NOTHING_TO_LAUNCH);
    const std::string heldName(8047, 'n');
    const std::string log = folder.ReadFile(LogPathOf(PROD));
    EXPECT_NE(log.find("\r\nextract property\r\n" + heldName + "\r\n"), std::string::npos);
    ASSERT_EQ(outcome.boxes.size(), 1u);
    const std::string& text = outcome.boxes[0].text;
    EXPECT_EQ(text.size(), 8047u);
    EXPECT_EQ(text.substr(0, 21), "Could not find file '");
    EXPECT_EQ(text.substr(text.size() - 2), "'!");
}

// A start directory too long for the log path: the path is handed to the
// system whole, never cut, and the run goes on with or without a log.
TEST(LaunchLogLimits, ALogPathTooLongForWindowsNeverLeavesACutName)
{
    constexpr size_t START_DIRECTORY_LENGTH = 210;  // the log path then has 271 chars
    PortableFolder outer("Long");
    const std::string start(START_DIRECTORY_LENGTH - outer.Path().size() - 1, 's');
    outer.InstallJavaAt(start + "\\java\\bin\\javaw.exe");
    outer.WriteFile(start + "\\current\\config\\start.properties", "-Xmx1g /**");
    const std::string dataFolder = start + "\\Kestrelpoint-Portable\\kestrelpoint";
    outer.MakeDirectory(dataFolder);

    LaunchRequest request;
    request.executable = DeliverablePath(PROD);
    request.currentDirectory = outer.PathOf(start);
    const LaunchOutcome outcome = LaunchAndWatch(request);
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(outcome.exitCode, 0u);
    EXPECT_FALSE(WaitForJavaRecord(outer, start + "\\java\\bin").empty());

    ASSERT_TRUE(outer.IsDirectory(dataFolder));
    for (const std::string& name : outer.EntriesOf(dataFolder)) {
        EXPECT_EQ(name, std::string(PROD) + ".log");
    }
}

}  // namespace
