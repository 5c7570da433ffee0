// DiagnosticMode through its real executable: the data folder it prepares,
// the notice, the dated capture file that collects the Java runtime's output,
// and the wait for the Java process.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "LauncherHarness.h"
#include "PortableFolder.h"
#include "RowName.h"
#include "UniqueHandle.h"

namespace {

// With a blank, as in many an installation folder.
const std::string FOLDER_NAME = "KP diagnostic";
const std::string OUTER_FOLDER = "Kestrelpoint-Portable";
const std::string DATA_FOLDER = "Kestrelpoint-Portable\\kestrelpoint";
const std::string DEFAULT_PROPERTIES = "current\\config\\start.properties";
const std::string JAVA_RECORD = std::string("java\\bin\\") + JAVA_RECORD_FILE;
const std::string CAPTURE_PREFIX = "diagnostic.log.";

const std::string JVM_OPTIONS = "-Xmx256m -Dkp.mode=diagnostic ";
const std::string PROPERTIES_TEXT = "-Xmx256m\r\n-Dkp.mode=diagnostic\r\n/**\r\napp.title=KP\r\n";

// Long enough that a launcher which did not wait would end well before it.
constexpr DWORD JAVA_RUNNING_MS = 1000;
// Long enough for a second run to write its record while the first Java
// process still has output to come.
constexpr DWORD OVERLAP_RUNNING_MS = 2500;
constexpr DWORD START_WAIT_LIMIT_MS = 10000;
constexpr DWORD POLL_INTERVAL_MS = 20;

// The notice, written out here line by line (Windows-1252: \xF6 and \xFC).
const std::string NOTICE =
    "Der Kestrelpoint wird nun im Diagnosemodus gestartet.\n"
    "\n"
    "Falls ein unerwartetes Problem auftreten sollte oder der  Kestrelpoint abst\xFC" "rzt,\n"
    "wechseln Sie bitte in das DOS Fenster, welches im Hintergrund ge\xF6" "ffnet wurde,\n"
    "und dr\xFC" "cken Sie die Tastenkombination \"Strg\" und \"Pause\".\n"
    "\n"
    "Dadurch wird eine Diagnosedatei erzeugt, die der Brennavalle die Problembehebung "
    "erheblich erleichtert.\n"
    "Die erzeugte Diagnosedatei finden Sie im Installationsverzeichnis des Kestrelpoints.\n"
    "Sie beginnt mit \"diagnostic.log...\"\n"
    "\n"
    "Schicken Sie diese Datei bitte im Anhang einer E-Mail an "
    "\"support@brennavalle.example\".\n"
    "Weitere Informationen k\xF6" "nnen Sie der Datei \"diagnostic_readme.txt\" entnehmen,\n"
    "die sich ebenfalls im  Installationsverzeichnis befindet.";

// The boxes DiagnosticMode can show.
enum class Box { Notice, CannotStart, PropertiesNotFound, OuterNotCreated, InnerNotCreated };

// Caption and text of a box, as one text for readable comparisons.
std::string Describe(const std::string& caption, const std::string& text)
{
    return caption + ": " + text;
}

std::string DirectoryNotCreated(const std::string& path)
{
    return "Konnte das Verzeichns '" + path + "' nicht anlegen!";
}

std::string Describe(Box box, const PortableFolder& folder)
{
    switch (box) {
    case Box::Notice:
        return Describe("Information", NOTICE);
    case Box::CannotStart:
        return Describe("Error", "Kann die Applikation nicht starten!");
    case Box::PropertiesNotFound:
        return Describe("Error", "Konnte die Datei " + DEFAULT_PROPERTIES + " nicht finden!");
    case Box::OuterNotCreated:
        return Describe("Error", DirectoryNotCreated(folder.PathOf(OUTER_FOLDER)));
    case Box::InnerNotCreated:
        return Describe("Error", DirectoryNotCreated(folder.PathOf(DATA_FOLDER)));
    }
    return "";
}

std::vector<std::string> DescribeAll(const std::vector<Box>& boxes, const PortableFolder& folder)
{
    std::vector<std::string> described;
    for (const Box box : boxes) {
        described.push_back(Describe(box, folder));
    }
    return described;
}

// Every box of the launcher is ownerless with the OK button alone.
std::vector<std::string> DescribeSeen(const LaunchOutcome& outcome)
{
    std::vector<std::string> described;
    for (const SeenMessageBox& box : outcome.boxes) {
        EXPECT_EQ(box.buttonCount, 1) << box.text;
        EXPECT_FALSE(box.hasOwner) << box.text;
        described.push_back(Describe(box.caption, box.text));
    }
    return described;
}

LaunchOutcome RunDiagnostic(const PortableFolder& folder,
                            std::function<void(const SeenMessageBox&)> onBox = nullptr,
                            const std::string& commandTail = "")
{
    return LaunchIn(DIAGNOSTIC, folder.Path(), commandTail, std::move(onBox));
}

// The stand-in Java runtime as java\bin\java.exe and the default
// start-properties file: everything a run needs except the data folder.
void PrepareFolder(const PortableFolder& folder)
{
    folder.InstallJava("java.exe");
    folder.WriteStartProperties(PROPERTIES_TEXT);
}

// The line the launcher composes; the folder's name holds a blank, so the
// executable path is quoted.
std::string JavaCommandLine(const PortableFolder& folder)
{
    return "\"" + folder.PathOf("java\\bin\\java.exe") + "\" " + JVM_OPTIONS +
           " -propertyfile " + DEFAULT_PROPERTIES;
}

// The head of a run record: separator, command line, CR LF.
std::string RecordHead(const PortableFolder& folder)
{
    return "\r\n----------\r\n" + JavaCommandLine(folder) + "\r\n";
}

// What the stand-in writes to its standard output and standard error.
std::vector<std::string> StandInOutput(const std::string& pid)
{
    return {"standin stdout " + pid + "\r\n", "standin stderr " + pid + "\r\n",
            "standin done " + pid + "\r\n"};
}

std::string RunRecord(const PortableFolder& folder, const std::string& pid)
{
    std::string record = RecordHead(folder);
    for (const std::string& piece : StandInOutput(pid)) {
        record += piece;
    }
    return record;
}

// The log entries up to the notice.
std::vector<std::string> EntriesBeforeNotice()
{
    return {"Starting ...",        "check for params", "try to load the properties",
            "load property file", DEFAULT_PROPERTIES,  "execute command"};
}

// The log of a run that reached the launch with the data folder in place,
// up to the attempt to create the Java process.
std::vector<std::string> EntriesUpToProcessCreation(const PortableFolder& folder)
{
    std::vector<std::string> entries = EntriesBeforeNotice();
    const std::vector<std::string> launch = {
        "dir exists: ", folder.PathOf(OUTER_FOLDER),
        "dir exists: ", folder.PathOf(DATA_FOLDER),
        "diagnostic.log path created!", folder.PathOf(DATA_FOLDER + "\\" + CAPTURE_PREFIX),
        "try to create file", "file created!", "try to create process"};
    entries.insert(entries.end(), launch.begin(), launch.end());
    return entries;
}

std::vector<std::string> CaptureFilesOf(const PortableFolder& folder)
{
    return folder.EntriesOf(DATA_FOLDER, CAPTURE_PREFIX + "*");
}

// The bytes of the one capture file of the folder.
std::string ReadTheCaptureFile(const PortableFolder& folder)
{
    const std::vector<std::string> names = CaptureFilesOf(folder);
    if (names.size() != 1) {
        ADD_FAILURE() << names.size() << " capture files instead of one";
        return "";
    }
    return folder.ReadFile(DATA_FOLDER + "\\" + names[0]);
}

// The capture file's name for a date: no leading zeros.
std::string CaptureNameFor(const SYSTEMTIME& date)
{
    return CAPTURE_PREFIX + std::to_string(date.wYear) + "-" + std::to_string(date.wMonth) +
           "-" + std::to_string(date.wDay);
}

std::string TodaysCaptureName()
{
    SYSTEMTIME now = {};
    GetSystemTime(&now);
    return CaptureNameFor(now);
}

std::string LocalCaptureName()
{
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return CaptureNameFor(now);
}

// Where a field with this value stands among the record's fields, in the
// order written; past the end when it is absent.
size_t FieldIndex(const std::string& record, const std::string& key, const std::string& value)
{
    const std::vector<JavaRecordEntry> entries = ParseJavaRecord(record);
    size_t index = 0;
    while (index < entries.size() && !(entries[index].key == key && entries[index].value == value)) {
        ++index;
    }
    return index;
}

size_t CountOf(const std::string& text, const std::string& piece)
{
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) {
        ++count;
    }
    return count;
}

// The stand-in's handles and console when the launcher gave it its own
// console but no capture file.
void ExpectJavaOnItsOwnConsole(const std::string& record)
{
    EXPECT_EQ(JavaRecordValue(record, FIELD_STDOUT), "console");
    EXPECT_EQ(JavaRecordValue(record, FIELD_STDERR), "console");
    EXPECT_EQ(JavaRecordValue(record, FIELD_CONSOLE), "yes");
}

// Sets how long the stand-in Java runtime runs; the launchers, and through
// them the stand-in, inherit the test program's environment.
class ScopedJavaRunningTime {
public:
    explicit ScopedJavaRunningTime(DWORD milliseconds)
    {
        SetEnvironmentVariableA(VARIABLE, std::to_string(milliseconds).c_str());
    }
    ~ScopedJavaRunningTime() { SetEnvironmentVariableA(VARIABLE, nullptr); }
    ScopedJavaRunningTime(const ScopedJavaRunningTime&) = delete;
    ScopedJavaRunningTime& operator=(const ScopedJavaRunningTime&) = delete;

private:
    static constexpr const char* VARIABLE = "STANDIN_SLEEP_MS";
};

// The notice is checked here in full: caption, text, the OK button alone, no
// owner.
TEST(FirstRun, CreatesTheFolderShowsTheNoticeCapturesTheOutputAndEndsAfterJava)
{
    PortableFolder folder(FOLDER_NAME);
    PrepareFolder(folder);
    ScopedJavaRunningTime running(JAVA_RUNNING_MS);
    const LaunchOutcome outcome = RunDiagnostic(folder);
    // Read at once: a launcher that did not wait ends before Java finishes.
    const std::string record = folder.ReadFile(JAVA_RECORD);
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(DescribeExitCode(outcome.exitCode), DescribeExitCode(0));
    EXPECT_EQ(DescribeSeen(outcome), DescribeAll({Box::Notice}, folder));
    const std::string pid = JavaRecordValue(record, FIELD_PID);
    ASSERT_FALSE(pid.empty());
    EXPECT_EQ(JavaRecordValues(record, FIELD_FINISHED), std::vector<std::string>{pid})
        << "the launcher ended before the Java process";

    // The capture file read below stands in the data folder.
    std::vector<std::string> log = EntriesUpToProcessCreation(folder);
    log.push_back("process created");
    EXPECT_EQ(folder.ReadFile(LogPathOf(DIAGNOSTIC)), JoinEntries(log));
    EXPECT_EQ(ReadTheCaptureFile(folder), RunRecord(folder, pid));

    EXPECT_EQ(JavaRecordValue(record, FIELD_COMMAND_LINE), JavaCommandLine(folder));
    EXPECT_EQ(JavaRecordValue(record, FIELD_CURRENT_DIRECTORY), folder.Path());
    EXPECT_EQ(JavaRecordValue(record, FIELD_STDOUT), "file");
    EXPECT_EQ(JavaRecordValue(record, FIELD_STDERR), "file");
    EXPECT_EQ(JavaRecordValue(record, FIELD_CONSOLE), "yes");
}

// Tells the UTC date from the local one whenever the two differ, as they do
// for a Wine server started with TZ=Etc/GMT-14 or TZ=Etc/GMT+12.
TEST(CaptureFileName, CarriesTheUtcDate)
{
    PortableFolder folder(FOLDER_NAME);
    PrepareFolder(folder);
    const std::string before = TodaysCaptureName();
    const std::string localName = LocalCaptureName();
    ASSERT_TRUE(Ended(RunDiagnostic(folder)));
    const std::string after = TodaysCaptureName();
    const std::vector<std::string> names = CaptureFilesOf(folder);
    ASSERT_EQ(names.size(), 1u);
    // A run across midnight may name either day.
    EXPECT_TRUE(names[0] == before || names[0] == after)
        << names[0] << " is not the UTC date's " << before
        << (localName != before ? "; the local date would give " + localName : "");
}

TEST(SameDay, RunsAppendTheirRecordsToOneFile)
{
    PortableFolder folder(FOLDER_NAME);
    PrepareFolder(folder);
    folder.MakeDataFolder();
    const std::string day = TodaysCaptureName();
    ASSERT_TRUE(Ended(RunDiagnostic(folder)));
    ASSERT_TRUE(Ended(RunDiagnostic(folder)));
    if (TodaysCaptureName() != day) {
        GTEST_SKIP() << "the UTC day changed between the runs";
    }
    const std::vector<std::string> pids = JavaRecordValues(folder.ReadFile(JAVA_RECORD), FIELD_PID);
    ASSERT_EQ(pids.size(), 2u);
    EXPECT_EQ(ReadTheCaptureFile(folder), RunRecord(folder, pids[0]) + RunRecord(folder, pids[1]));
}

// Waits until the first Java process has recorded its start.
bool WaitForJavaStart(const PortableFolder& folder)
{
    for (DWORD waited = 0; waited < START_WAIT_LIMIT_MS; waited += POLL_INTERVAL_MS) {
        if (!JavaRecordValue(folder.ReadFile(JAVA_RECORD), FIELD_PID).empty()) {
            return true;
        }
        Sleep(POLL_INTERVAL_MS);
    }
    return false;
}

// The second run writes its record while the first Java process still has
// output to come; nothing either Java process wrote may be lost.
TEST(OverlappingRuns, KeepEveryByteBothJavaProcessesWrote)
{
    PortableFolder folder(FOLDER_NAME);
    PrepareFolder(folder);
    folder.MakeDataFolder();
    const std::string day = TodaysCaptureName();
    ScopedJavaRunningTime running(OVERLAP_RUNNING_MS);
    LaunchOutcome first;
    LaunchOutcome second;
    std::thread firstRun([&] { first = RunDiagnostic(folder); });
    const bool firstJavaStarted = WaitForJavaStart(folder);
    std::thread secondRun([&] { second = RunDiagnostic(folder); });
    firstRun.join();
    secondRun.join();
    ASSERT_TRUE(firstJavaStarted);
    ASSERT_TRUE(Ended(first));
    ASSERT_TRUE(Ended(second));
    if (TodaysCaptureName() != day) {
        GTEST_SKIP() << "the UTC day changed between the runs";
    }

    const std::string record = folder.ReadFile(JAVA_RECORD);
    const std::vector<std::string> pids = JavaRecordValues(record, FIELD_PID);
    ASSERT_EQ(pids.size(), 2u);
    ASSERT_LT(FieldIndex(record, FIELD_PID, pids[1]), FieldIndex(record, FIELD_FINISHED, pids[0]))
        << "the runs did not overlap";

    const std::string capture = ReadTheCaptureFile(folder);
    const std::string head = RecordHead(folder);
    EXPECT_EQ(CountOf(capture, head), 2u);
    size_t expectedSize = 2 * head.size();
    for (const std::string& pid : pids) {
        for (const std::string& piece : StandInOutput(pid)) {
            EXPECT_EQ(CountOf(capture, piece), 1u) << piece;
            expectedSize += piece.size();
        }
    }
    EXPECT_EQ(capture.size(), expectedSize) << capture;
}

// The system's error code of opening an existing file with this access,
// sharing reads and writes; ERROR_SUCCESS when it opens.
DWORD OpenError(const std::string& path, DWORD access)
{
    const UniqueHandle file(CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid() ? ERROR_SUCCESS : GetLastError();
}

// While a run waits for Java its launch log is shared for writing only: a
// second run may empty and write it, but no one reads it half written.
TEST(LaunchLogWhileJavaRuns, RefusesReadersAndAdmitsWriters)
{
    PortableFolder folder(FOLDER_NAME);
    PrepareFolder(folder);
    folder.MakeDataFolder();
    ScopedJavaRunningTime running(JAVA_RUNNING_MS);
    LaunchOutcome outcome;
    std::thread run([&] { outcome = RunDiagnostic(folder); });
    const bool javaStarted = WaitForJavaStart(folder);
    const std::string log = folder.PathOf(LogPathOf(DIAGNOSTIC));
    const DWORD readerError = OpenError(log, GENERIC_READ);
    const DWORD writerError = OpenError(log, GENERIC_WRITE);
    const bool javaStillRunning = !JavaRecordFinished(folder.ReadFile(JAVA_RECORD));
    run.join();
    ASSERT_TRUE(javaStarted);
    ASSERT_TRUE(Ended(outcome));
    ASSERT_TRUE(javaStillRunning) << "Java ended before the log was tried";
    EXPECT_EQ(readerError, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(writerError, static_cast<DWORD>(ERROR_SUCCESS));
}

// While the launcher holds its log no one may open it for reading; its size
// can still be read from its attributes.
size_t FileSizeOf(const PortableFolder& folder, const std::string& relative)
{
    WIN32_FILE_ATTRIBUTE_DATA attributes = {};
    if (!GetFileAttributesExA(folder.PathOf(relative).c_str(), GetFileExInfoStandard,
                              &attributes)) {
        return 0;
    }
    return attributes.nFileSizeLow;
}

TEST(Notice, NothingHappensUntilItIsDismissed)
{
    PortableFolder folder(FOLDER_NAME);
    PrepareFolder(folder);
    size_t logSizeWhileUp = 0;
    bool captureWhileUp = true;
    bool javaWhileUp = true;
    const LaunchOutcome outcome = RunDiagnostic(folder, [&](const SeenMessageBox&) {
        logSizeWhileUp = FileSizeOf(folder, LogPathOf(DIAGNOSTIC));
        captureWhileUp = !CaptureFilesOf(folder).empty();
        javaWhileUp = folder.Exists(JAVA_RECORD);
    });
    ASSERT_TRUE(Ended(outcome));
    ASSERT_EQ(outcome.boxes.size(), 1u);
    EXPECT_FALSE(captureWhileUp);
    EXPECT_FALSE(javaWhileUp);
    // The log only grows, and it began with these entries: so while the
    // notice was up it held them and nothing more.
    const std::string beforeNotice = JoinEntries(EntriesBeforeNotice());
    EXPECT_EQ(logSizeWhileUp, beforeNotice.size());
    EXPECT_EQ(folder.ReadFile(LogPathOf(DIAGNOSTIC)).substr(0, beforeNotice.size()), beforeNotice);
}

TEST(MissingJavaRuntime, LeavesTheRecordHeadAndEndsWithExitCodeOne)
{
    PortableFolder folder(FOLDER_NAME);
    folder.WriteStartProperties(PROPERTIES_TEXT);
    const LaunchOutcome outcome = RunDiagnostic(folder);
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(DescribeExitCode(outcome.exitCode), DescribeExitCode(EXIT_CODE_LAUNCH_FAILED));
    EXPECT_EQ(DescribeSeen(outcome), DescribeAll({Box::Notice, Box::CannotStart}, folder));
    EXPECT_EQ(ReadTheCaptureFile(folder), RecordHead(folder));
    EXPECT_EQ(folder.ReadFile(LogPathOf(DIAGNOSTIC)),
              JoinEntries(EntriesUpToProcessCreation(folder)));
}

// A capture file that cannot be opened is logged as such, gets no record,
// and the Java process keeps its own console so that its output is seen.
TEST(CaptureFileNotOpened, IsLoggedAndJavaWritesToItsOwnConsole)
{
    PortableFolder folder(FOLDER_NAME);
    PrepareFolder(folder);
    const std::string day = TodaysCaptureName();
    const std::string blocker = DATA_FOLDER + "\\" + day;
    folder.MakeDirectory(blocker);
    const LaunchOutcome outcome = RunDiagnostic(folder);
    ASSERT_TRUE(Ended(outcome));
    if (TodaysCaptureName() != day) {
        GTEST_SKIP() << "the UTC day changed during the run";
    }
    EXPECT_EQ(DescribeExitCode(outcome.exitCode), DescribeExitCode(0));
    EXPECT_EQ(DescribeSeen(outcome), DescribeAll({Box::Notice}, folder));
    std::vector<std::string> log = EntriesUpToProcessCreation(folder);
    *std::find(log.begin(), log.end(), "file created!") = "file not created!";
    log.push_back("process created");
    EXPECT_EQ(folder.ReadFile(LogPathOf(DIAGNOSTIC)), JoinEntries(log));
    EXPECT_TRUE(folder.IsDirectory(blocker));
    EXPECT_EQ(folder.EntriesOf(blocker), std::vector<std::string>{});
    ExpectJavaOnItsOwnConsole(WaitForJavaRecord(folder));
}

// Something in the way of the data folder: a box for each directory that
// cannot be created, at each of the two preparations, and the run goes on
// without a log and without a capture file.
struct BlockedFolderCase {
    const char* name;
    std::string plainFile;  // relative; a file where a directory belongs
    bool withStartProperties;
    std::vector<Box> boxes;
    DWORD exitCode;
};

class BlockedDataFolder : public testing::TestWithParam<BlockedFolderCase> {};

TEST_P(BlockedDataFolder, IsReportedPerDirectoryAndTheRunGoesOn)
{
    const BlockedFolderCase& row = GetParam();
    PortableFolder folder(FOLDER_NAME);
    folder.InstallJava("java.exe");
    if (row.withStartProperties) {
        folder.WriteStartProperties(PROPERTIES_TEXT);
    }
    const std::string keep = "not a directory";
    folder.WriteFile(row.plainFile, keep);
    const LaunchOutcome outcome = RunDiagnostic(folder);
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(DescribeExitCode(outcome.exitCode), DescribeExitCode(row.exitCode));
    EXPECT_EQ(DescribeSeen(outcome), DescribeAll(row.boxes, folder));
    EXPECT_EQ(folder.ReadFile(row.plainFile), keep);
    EXPECT_FALSE(folder.Exists(LogPathOf(DIAGNOSTIC)));
    EXPECT_EQ(CaptureFilesOf(folder), std::vector<std::string>{});
    if (row.exitCode == 0) {
        ExpectJavaOnItsOwnConsole(WaitForJavaRecord(folder));
    } else {
        EXPECT_FALSE(folder.Exists(JAVA_RECORD));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BlockedDataFolder,
    testing::Values(
        BlockedFolderCase{"OuterIsAFile", OUTER_FOLDER, true,
                          {Box::OuterNotCreated, Box::InnerNotCreated, Box::Notice,
                           Box::OuterNotCreated, Box::InnerNotCreated},
                          0},
        BlockedFolderCase{"OuterIsAFileAndNoStartProperties", OUTER_FOLDER, false,
                          {Box::OuterNotCreated, Box::InnerNotCreated, Box::PropertiesNotFound},
                          EXIT_CODE_NOTHING_TO_LAUNCH},
        BlockedFolderCase{"InnerIsAFile", DATA_FOLDER, true,
                          {Box::InnerNotCreated, Box::Notice, Box::InnerNotCreated}, 0}),
    RowName());

// A run that ends before the launch shows no notice, opens no capture file
// and starts nothing; the first preparation has made the folder all the same.
struct EarlyEndCase {
    const char* name;
    std::string commandTail;
    std::string missingFile;
};

class EarlyEnd : public testing::TestWithParam<EarlyEndCase> {};

TEST_P(EarlyEnd, ShowsNoNoticeAndCapturesNothing)
{
    const EarlyEndCase& row = GetParam();
    PortableFolder folder(FOLDER_NAME);
    folder.InstallJava("java.exe");
    const LaunchOutcome outcome = RunDiagnostic(folder, nullptr, row.commandTail);
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(DescribeExitCode(outcome.exitCode), DescribeExitCode(EXIT_CODE_NOTHING_TO_LAUNCH));
    EXPECT_EQ(DescribeSeen(outcome), std::vector<std::string>{Describe(
                                         "Error", "Konnte die Datei " + row.missingFile +
                                                      " nicht finden!")});
    EXPECT_EQ(folder.EntriesOf(DATA_FOLDER),
              std::vector<std::string>{std::string(DIAGNOSTIC) + ".log"});
    EXPECT_FALSE(folder.Exists(JAVA_RECORD));
    const std::string log = folder.ReadFile(LogPathOf(DIAGNOSTIC));
    EXPECT_EQ(log.find("execute command"), std::string::npos) << log;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EarlyEnd,
    testing::Values(EarlyEndCase{"NoStartProperties", "", DEFAULT_PROPERTIES},
                    EarlyEndCase{"AlternateFileMissing", "-c other.properties",
                                 "other.properties"}),
    RowName());

// Start directories too long for some of the paths joined to them. No path
// is ever cut to fit: the system refuses a path longer than it handles, and
// the usual failure follows (a box for a directory, no log, no capture file,
// Java on its own console). A cut path would leave a stray shortened name.
struct LongStartDirectoryCase {
    const char* name;
    size_t length;
    std::vector<Box> boxes;
    DWORD exitCode;
    std::vector<std::string> startEntries;  // what the start directory holds afterwards
    std::vector<std::string> outerEntries;
    std::vector<std::string> dataEntries;
};

class LongStartDirectory : public testing::TestWithParam<LongStartDirectoryCase> {};

TEST_P(LongStartDirectory, NoPathIsCutAndTheRunGoesOn)
{
    const LongStartDirectoryCase& row = GetParam();
    PortableFolder folder(FOLDER_NAME, row.length);
    ASSERT_EQ(folder.Path().size(), row.length);
    PrepareFolder(folder);
    const LaunchOutcome outcome = RunDiagnostic(folder);
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(DescribeExitCode(outcome.exitCode), DescribeExitCode(row.exitCode));
    EXPECT_EQ(DescribeSeen(outcome), DescribeAll(row.boxes, folder));
    EXPECT_EQ(folder.EntriesOf("."), row.startEntries);
    EXPECT_EQ(folder.EntriesOf(OUTER_FOLDER), row.outerEntries);
    EXPECT_EQ(folder.EntriesOf(DATA_FOLDER), row.dataEntries);
    if (row.exitCode == 0) {
        ExpectJavaOnItsOwnConsole(WaitForJavaRecord(folder));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LongStartDirectory,
    testing::Values(
        LongStartDirectoryCase{"LogAndCaptureFileTooLong", 210, {Box::Notice}, 0,
                               {OUTER_FOLDER, "current", "java"}, {"kestrelpoint"}, {}},
        LongStartDirectoryCase{"InnerDirectoryTooLong", 226,
                               {Box::InnerNotCreated, Box::Notice, Box::InnerNotCreated}, 0,
                               {OUTER_FOLDER, "current", "java"}, {}, {}},
        LongStartDirectoryCase{"StartPropertiesOutOfReach", 240,
                               {Box::OuterNotCreated, Box::InnerNotCreated,
                                Box::PropertiesNotFound},
                               EXIT_CODE_NOTHING_TO_LAUNCH, {"current", "java"}, {}, {}}),
    RowName());

}  // namespace
