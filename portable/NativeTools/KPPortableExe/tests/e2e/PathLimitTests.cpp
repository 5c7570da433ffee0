// How long a start directory each variant can serve from. Every path below
// the start directory stops working at its own length of start directory:
// the longer the name joined to it, the sooner. Each row runs a variant at
// the last length at which its path still works and at the first at which
// it does not.
//
// The limits differ between the systems, so each row holds both lengths and
// the test kit checks Windows' on Windows. Windows' plain path functions take
// paths of at most 259 chars (MAX_PATH with its terminator) and create
// folders of at most 248 (room for an 8.3 name below them). Wine's take 260
// chars for both. On both systems the start-properties file is out of reach
// before the Java runtime is: from a longer start directory the run ends
// before it would start Java, so the Java runtime rows end where the
// start-properties rows do.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LauncherHarness.h"
#include "PortableFolder.h"
#include "RowName.h"
#include "RunningUnderWine.h"

namespace {

const std::string OUTER_FOLDER = "Kestrelpoint-Portable";
const std::string DATA_FOLDER = "Kestrelpoint-Portable\\kestrelpoint";
const std::string START_PROPERTIES = "current\\config\\start.properties";
const std::string DEMO_PROPERTIES = "current\\config\\start_DemoMode.properties";
const std::string CAPTURE_PATTERN = "diagnostic.log.*";

// The capture file's date has 8 to 10 chars (2027-1-5, 2026-12-11); the
// capture rows give their lengths for a date of 10.
constexpr size_t LONGEST_DATE_LENGTH = 10;

std::string TodaysDate()
{
    SYSTEMTIME now = {};
    GetSystemTime(&now);
    return std::to_string(now.wYear) + "-" + std::to_string(now.wMonth) + "-" +
           std::to_string(now.wDay);
}

// What a path below the start directory is for.
enum class Reach { LaunchLog, StartProperties, JavaRuntime, OuterFolder, DataFolder, CaptureFile };

struct PathLimitCase {
    const char* name;
    std::string deliverable;
    Reach reach;
    size_t lastLengthOnWine;
    size_t lastLengthOnWindows;
};

struct Variant {
    std::string javaName;
    std::string propertiesFile;
    bool createsDataFolder;
};

Variant VariantOf(const std::string& deliverable)
{
    if (deliverable == DIAGNOSTIC) {
        return {"java.exe", START_PROPERTIES, true};
    }
    return {"javaw.exe", deliverable == DEMO ? DEMO_PROPERTIES : START_PROPERTIES, false};
}

// PROD and Demo do not wait for the Java process: it must have ended before
// its folder can go. Its record cannot show that from the longest start
// directories (it is written beside the executable), so wait until its
// executable, no longer running, can be deleted.
void WaitUntilJavaEnded(const PortableFolder& folder, const std::string& javaName)
{
    constexpr DWORD TIME_LIMIT_MS = 10000;
    constexpr DWORD POLL_INTERVAL_MS = 20;
    for (DWORD waited = 0; waited < TIME_LIMIT_MS && !folder.Remove("java\\bin\\" + javaName);
         waited += POLL_INTERVAL_MS) {
        Sleep(POLL_INTERVAL_MS);
    }
}

// Runs the variant from a start directory of that length, laid out whole,
// and tells whether the row's path worked.
bool PathWorksAt(const PathLimitCase& row, size_t length)
{
    const Variant variant = VariantOf(row.deliverable);
    PortableFolder folder("KP limit", length);
    EXPECT_EQ(folder.Path().size(), length);
    folder.InstallJava(variant.javaName);
    folder.WriteFileBeyondPathLimit(variant.propertiesFile, "-Xmx256m /**");
    if (!variant.createsDataFolder) {
        folder.MakeDataFolder();
    }
    const LaunchOutcome outcome = LaunchIn(row.deliverable, folder.Path());
    EXPECT_TRUE(Ended(outcome)) << "at " << length << " chars";
    if (outcome.exitCode == 0) {
        WaitUntilJavaEnded(folder, variant.javaName);
    }
    switch (row.reach) {
    case Reach::LaunchLog:
        return folder.ReadFile(LogPathOf(row.deliverable)).rfind("Starting ...\r\n", 0) == 0;
    case Reach::StartProperties:
        return outcome.exitCode != EXIT_CODE_NOTHING_TO_LAUNCH;
    case Reach::JavaRuntime:
        return outcome.exitCode == 0;
    case Reach::OuterFolder:
        return folder.IsDirectory(OUTER_FOLDER);
    case Reach::DataFolder:
        return folder.IsDirectory(DATA_FOLDER);
    case Reach::CaptureFile:
        return !folder.EntriesOf(DATA_FOLDER, CAPTURE_PATTERN).empty();
    }
    return false;
}

class StartDirectoryLength : public testing::TestWithParam<PathLimitCase> {};

TEST_P(StartDirectoryLength, LastLengthWorksAndTheNextDoesNot)
{
    const PathLimitCase& row = GetParam();
    size_t last = RunningUnderWine() ? row.lastLengthOnWine : row.lastLengthOnWindows;
    const std::string date = TodaysDate();
    if (row.reach == Reach::CaptureFile) {
        last -= LONGEST_DATE_LENGTH - date.size();
    }
    EXPECT_TRUE(PathWorksAt(row, last)) << "at " << last << " chars";
    EXPECT_FALSE(PathWorksAt(row, last + 1)) << "at " << last + 1 << " chars";
    if (row.reach == Reach::CaptureFile && TodaysDate() != date) {
        GTEST_SKIP() << "the UTC day changed during the runs";
    }
}

// Lengths of start directory: the last at which the path works. The names
// joined to it, with their backslashes: the launch logs 61 (PROD), 66 (Demo)
// and 76 chars (DiagnosticMode), the start-properties files 32 and 41 (Demo),
// the two data folders 22 and 35, the capture file 51 and its date.
INSTANTIATE_TEST_SUITE_P(
    Rows, StartDirectoryLength,
    testing::Values(
        PathLimitCase{"PROD_LaunchLog", PROD, Reach::LaunchLog, 199, 198},
        PathLimitCase{"PROD_StartProperties", PROD, Reach::StartProperties, 228, 227},
        PathLimitCase{"PROD_JavaRuntime", PROD, Reach::JavaRuntime, 228, 227},
        PathLimitCase{"Demo_LaunchLog", DEMO, Reach::LaunchLog, 194, 193},
        PathLimitCase{"Demo_StartProperties", DEMO, Reach::StartProperties, 219, 218},
        PathLimitCase{"Demo_JavaRuntime", DEMO, Reach::JavaRuntime, 219, 218},
        PathLimitCase{"DiagnosticMode_LaunchLog", DIAGNOSTIC, Reach::LaunchLog, 184, 183},
        PathLimitCase{"DiagnosticMode_CaptureFile", DIAGNOSTIC, Reach::CaptureFile, 199, 198},
        PathLimitCase{"DiagnosticMode_DataFolder", DIAGNOSTIC, Reach::DataFolder, 225, 213},
        PathLimitCase{"DiagnosticMode_StartProperties", DIAGNOSTIC, Reach::StartProperties,
                      228, 227},
        PathLimitCase{"DiagnosticMode_JavaRuntime", DIAGNOSTIC, Reach::JavaRuntime, 228, 227},
        PathLimitCase{"DiagnosticMode_OuterFolder", DIAGNOSTIC, Reach::OuterFolder, 238, 226}),
    RowName());

}  // namespace
