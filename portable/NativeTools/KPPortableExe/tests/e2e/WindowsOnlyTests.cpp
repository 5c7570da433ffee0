// Behaviour that only Windows itself can decide, because Wine differs from it
// just there. These tests run in the test kit on Windows; under Wine each is
// skipped with the reason printed.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "LauncherHarness.h"
#include "PortableFolder.h"
#include "RowName.h"
#include "RunningUnderWine.h"
#include "UniqueHandle.h"

namespace {

const std::string DATA_FOLDER = "Kestrelpoint-Portable\\kestrelpoint";
const std::string JAVA_RECORD = std::string("java\\bin\\") + JAVA_RECORD_FILE;
const std::string CAPTURE_PREFIX = "diagnostic.log.";
const std::string RECORD_SEPARATOR = "\r\n----------\r\n";
const std::string LINE_END = "\r\n";

// Sets an environment variable for the launchers, and through them the
// stand-in Java runtime, that this program starts; removes it afterwards.
class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(const char* name, const std::string& value) : name_(name)
    {
        SetEnvironmentVariableA(name_, value.c_str());
    }
    ~ScopedEnvironmentVariable() { SetEnvironmentVariableA(name_, nullptr); }
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    const char* name_;
};

// ---------------------------------------------------------------------------
// Two DiagnosticMode runs whose Java processes write to one capture file at
// the same instant. The file is opened for appending only, so on Windows
// each write lands whole at its end, and the record head a run writes while
// another run's Java process writes must stay whole as well.

// Each Java process writes at least this many lines; the first writes until
// both have written together for a while.
constexpr DWORD FLOOD_MINIMUM_LINES = 5000;
constexpr DWORD BOTH_WRITING_MS = 500;
constexpr DWORD START_WAIT_LIMIT_MS = 10000;
constexpr DWORD POLL_INTERVAL_MS = 10;
// The stand-in's first two lines and its last one, around the numbered ones.
constexpr size_t FRAMING_LINES = 3;

// Waits until this many Java processes have started in the folder.
bool WaitForJavaStarts(const PortableFolder& folder, size_t count)
{
    for (DWORD waited = 0; waited < START_WAIT_LIMIT_MS; waited += POLL_INTERVAL_MS) {
        const size_t started = JavaRecordValues(folder.ReadFile(JAVA_RECORD), FIELD_PID).size();
        if (started >= count) {
            return true;
        }
        Sleep(POLL_INTERVAL_MS);
    }
    return false;
}

std::string TodaysCaptureName()
{
    SYSTEMTIME now = {};
    GetSystemTime(&now);
    return CAPTURE_PREFIX + std::to_string(now.wYear) + "-" + std::to_string(now.wMonth) + "-" +
           std::to_string(now.wDay);
}

// Removes every occurrence of piece; returns how many there were.
size_t RemoveAll(std::string& text, const std::string& piece)
{
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at)) {
        text.erase(at, piece.size());
        ++count;
    }
    return count;
}

// The process id a stand-in line names: its third word ("standin stdout
// <pid>", "standin line <pid> <n>").
std::string WriterOf(const std::string& line)
{
    const size_t second = line.find(' ');
    const size_t third = second == std::string::npos ? second : line.find(' ', second + 1);
    if (line.compare(0, second, "standin") != 0 || third == std::string::npos) {
        return "";
    }
    return line.substr(third + 1, line.find(' ', third + 1) - third - 1);
}

// The stand-in's lines, as they lie in the capture file, sorted by the
// process that wrote them; a line of no known writer goes to "".
std::map<std::string, std::vector<std::string>> LinesByWriter(
    const std::string& output, const std::vector<std::string>& pids,
    std::vector<std::string>& writerOrder)
{
    std::map<std::string, std::vector<std::string>> lines;
    size_t start = 0;
    for (size_t end = output.find(LINE_END); end != std::string::npos;
         start = end + LINE_END.size(), end = output.find(LINE_END, start)) {
        const std::string line = output.substr(start, end - start);
        std::string writer = WriterOf(line);
        if (std::find(pids.begin(), pids.end(), writer) == pids.end()) {
            writer.clear();
        }
        lines[writer].push_back(line);
        writerOrder.push_back(writer);
    }
    if (start != output.size()) {
        lines[""].push_back(output.substr(start));
    }
    return lines;
}

// What one stand-in writes when it wrote numbered lines 0 to count - 1.
std::vector<std::string> ExpectedLinesOf(const std::string& pid, size_t numberedLines)
{
    std::vector<std::string> lines = {"standin stdout " + pid, "standin stderr " + pid};
    for (size_t number = 0; number < numberedLines; ++number) {
        lines.push_back("standin line " + pid + " " + std::to_string(number));
    }
    lines.push_back("standin done " + pid);
    return lines;
}

// The first line where two sequences differ, described; empty when equal.
std::string FirstDifference(const std::vector<std::string>& seen,
                            const std::vector<std::string>& expected)
{
    for (size_t index = 0; index < seen.size() || index < expected.size(); ++index) {
        const std::string got = index < seen.size() ? seen[index] : "(nothing)";
        const std::string want = index < expected.size() ? expected[index] : "(nothing)";
        if (got != want) {
            return "line " + std::to_string(index) + ": \"" + got + "\" instead of \"" + want +
                   "\"";
        }
    }
    return "";
}

// Whether a line of the second writer lies between lines of the first.
bool WritersInterleave(const std::vector<std::string>& writerOrder, const std::string& first,
                       const std::string& second)
{
    bool secondSeen = false;
    for (const std::string& writer : writerOrder) {
        secondSeen = secondSeen || writer == second;
        if (secondSeen && writer == first) {
            return true;
        }
    }
    return false;
}

TEST(SimultaneousDiagnosticRuns, KeepEveryByteAndBothRecordHeadsWhole)
{
    if (RunningUnderWine()) {
        GTEST_SKIP() << "Wine does not append the writes of two processes to one file whole: "
                        "one may overwrite what the other has just written";
    }
    PortableFolder folder("KP simultaneous");
    folder.InstallJava("java.exe");
    folder.WriteStartProperties("-Xmx256m\r\n/**\r\n");
    folder.MakeDataFolder();
    const std::string day = TodaysCaptureName();
    const std::string stopName = "kp-flood-stop-" + std::to_string(GetCurrentProcessId());
    const UniqueHandle stop(CreateEventA(nullptr, TRUE, FALSE, stopName.c_str()));
    ASSERT_TRUE(stop.Valid());
    ScopedEnvironmentVariable floodEvent("STANDIN_FLOOD_EVENT", stopName);
    ScopedEnvironmentVariable floodLines("STANDIN_FLOOD_LINES",
                                         std::to_string(FLOOD_MINIMUM_LINES));

    // The second run writes its record head while the first Java process
    // writes; then both Java processes write together until told to stop.
    LaunchOutcome first;
    LaunchOutcome second;
    std::thread firstRun([&] { first = LaunchIn(DIAGNOSTIC, folder.Path()); });
    const bool firstWriting = WaitForJavaStarts(folder, 1);
    std::thread secondRun([&] { second = LaunchIn(DIAGNOSTIC, folder.Path()); });
    const bool bothWriting = WaitForJavaStarts(folder, 2);
    Sleep(BOTH_WRITING_MS);
    SetEvent(stop.Get());
    firstRun.join();
    secondRun.join();
    ASSERT_TRUE(firstWriting && bothWriting) << "the Java processes did not start";
    ASSERT_TRUE(Ended(first));
    ASSERT_TRUE(Ended(second));
    EXPECT_EQ(DescribeExitCode(first.exitCode), DescribeExitCode(0));
    EXPECT_EQ(DescribeExitCode(second.exitCode), DescribeExitCode(0));
    if (TodaysCaptureName() != day) {
        GTEST_SKIP() << "the UTC day changed during the runs";
    }

    const std::string record = folder.ReadFile(JAVA_RECORD);
    const std::vector<std::string> pids = JavaRecordValues(record, FIELD_PID);
    const std::vector<std::string> commandLines = JavaRecordValues(record, FIELD_COMMAND_LINE);
    ASSERT_EQ(pids.size(), 2u);
    ASSERT_EQ(commandLines.size(), 2u);
    std::string capture = folder.ReadFile(DATA_FOLDER + "\\" + day);
    const std::string head = RECORD_SEPARATOR + commandLines[0] + LINE_END;
    EXPECT_EQ(capture.compare(0, head.size(), head), 0) << "the first record head is not first";
    EXPECT_EQ(RemoveAll(capture, head), 2u) << "a record head is not whole";

    std::vector<std::string> writerOrder;
    std::map<std::string, std::vector<std::string>> lines =
        LinesByWriter(capture, pids, writerOrder);
    EXPECT_TRUE(lines[""].empty()) << lines[""].size() << " lines of no writer, first: \""
                                   << lines[""].front() << "\"";
    for (const std::string& pid : pids) {
        const std::vector<std::string>& seen = lines[pid];
        ASSERT_GE(seen.size(), FLOOD_MINIMUM_LINES + FRAMING_LINES) << "writer " << pid;
        EXPECT_EQ(FirstDifference(seen, ExpectedLinesOf(pid, seen.size() - FRAMING_LINES)), "")
            << "writer " << pid;
    }
    EXPECT_TRUE(WritersInterleave(writerOrder, pids[0], pids[1]))
        << "the Java processes did not write at the same time";
}

// ---------------------------------------------------------------------------
// A current directory at the launcher's limit. Its buffer holds 259 chars:
// a longer directory cannot serve as the start directory at all, and one of
// exactly 259 is taken but leaves no room for any path below it.

struct LimitDirectoryCase {
    const char* name;
    std::string deliverable;
    std::string javaName;
    std::string propertiesFile;
    size_t length;
    std::string caption;
    std::string text;
};

class CurrentDirectoryAtTheLimit : public testing::TestWithParam<LimitDirectoryCase> {};

// Whether Windows starts a process in that current directory at all (without
// long-path support it may refuse); the reason when it does not.
std::string RefusalToStartIn(const std::string& directory)
{
    constexpr DWORD TRIAL_TIME_LIMIT_MS = 20000;
    const std::string self = ThisExecutable();
    std::string commandLine = "\"" + self + "\" --gtest_list_tests";
    STARTUPINFOA startupInfo = {};
    startupInfo.cb = sizeof startupInfo;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(self.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, directory.c_str(), &startupInfo, &started)) {
        return "Windows starts no process in a current directory of " +
               std::to_string(directory.size()) + " chars here (error " +
               std::to_string(GetLastError()) + "); long-path support may allow it";
    }
    OwnedProcess trial;
    trial.Adopt(started);
    if (WaitForSingleObject(trial.process.Get(), TRIAL_TIME_LIMIT_MS) != WAIT_OBJECT_0) {
        trial.Kill();
        return "a trial start in that current directory did not end in time";
    }
    return "";
}

TEST_P(CurrentDirectoryAtTheLimit, ShowsOneBoxEndsWithMinusOneAndCreatesNothing)
{
    if (RunningUnderWine()) {
        GTEST_SKIP() << "Wine cannot start a process whose current directory has 259 chars or "
                        "more";
    }
    const LimitDirectoryCase& row = GetParam();
    PortableFolder folder("KP limit", row.length);
    ASSERT_EQ(folder.Path().size(), row.length);
    folder.InstallJava(row.javaName);
    folder.WriteFileBeyondPathLimit(row.propertiesFile, "-Xmx256m /**");
    const std::string refusal = RefusalToStartIn(folder.Path());
    if (!refusal.empty()) {
        GTEST_SKIP() << refusal;
    }

    const LaunchOutcome outcome = LaunchIn(row.deliverable, folder.Path());
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(DescribeExitCode(outcome.exitCode), DescribeExitCode(EXIT_CODE_NOTHING_TO_LAUNCH));
    ASSERT_EQ(outcome.boxes.size(), 1u);
    EXPECT_EQ(outcome.boxes[0].caption, row.caption);
    EXPECT_EQ(outcome.boxes[0].text, row.text);
    EXPECT_EQ(outcome.boxes[0].buttonCount, 1);
    EXPECT_FALSE(outcome.boxes[0].hasOwner);
    EXPECT_EQ(folder.EntriesOf("."), (std::vector<std::string>{"current", "java"}));
    EXPECT_EQ(folder.EntriesOf("java\\bin"), std::vector<std::string>{row.javaName});
}

const std::string START_PROPERTIES = "current\\config\\start.properties";
const std::string DEMO_PROPERTIES = "current\\config\\start_DemoMode.properties";
const std::string NO_DIRECTORY_ENGLISH =
    "Could not find the current directory where the application has been started!";
const std::string NO_DIRECTORY_GERMAN =
    "Konnte das aktuelle Verzeichnis nicht finden, in dem die Applikation gestartet wurde!";

INSTANTIATE_TEST_SUITE_P(
    Rows, CurrentDirectoryAtTheLimit,
    testing::Values(
        LimitDirectoryCase{"PROD_259_TakenButNothingFitsBelow", PROD, "javaw.exe",
                           START_PROPERTIES, 259, "Error",
                           "Could not find file '" + START_PROPERTIES + "'!"},
        LimitDirectoryCase{"PROD_260", PROD, "javaw.exe", START_PROPERTIES, 260, "Error",
                           NO_DIRECTORY_ENGLISH},
        LimitDirectoryCase{"Demo_260", DEMO, "javaw.exe", DEMO_PROPERTIES, 260, "Error",
                           NO_DIRECTORY_ENGLISH},
        LimitDirectoryCase{"DiagnosticMode_260", DIAGNOSTIC, "java.exe", START_PROPERTIES, 260,
                           "Error", NO_DIRECTORY_GERMAN},
        LimitDirectoryCase{"PROD_400", PROD, "javaw.exe", START_PROPERTIES, 400, "Error",
                           NO_DIRECTORY_ENGLISH}),
    RowName());

}  // namespace
