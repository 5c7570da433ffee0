// DiagnosticMode's calls to the system, recorded below the process level:
// what no test of the real executable can see under Wine (the icon of a box,
// whether the Java process inherits its handles, how many writes the run
// record's head takes).
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "DiagnosticMode.h"
#include "LauncherState.h"
#include "MessageBoxes.h"
#include "RecordingLaunchLog.h"
#include "RecordingSystemCalls.h"
#include "RowName.h"
#include "StartProperties.h"
#include "VariantRows.h"

const VariantProfile ACTIVE_PROFILE = DIAGNOSTIC_PROFILE;
const MessageCatalogue ACTIVE_MESSAGES = GERMAN_MESSAGES;

namespace {

namespace fs = std::filesystem;

const std::string RUN_RECORD_SEPARATOR = "\r\n----------\r\n";

struct BoxCase {
    const char* name;
    MessageId id;
    std::string caption;
    UINT icon;
};

class BoxStyle : public testing::TestWithParam<BoxCase> {};

// A swapped icon or caption shows nowhere else: Wine does not let another
// process read a box's icon.
TEST_P(BoxStyle, IsAnOwnerlessOkBoxWithTheIdsCaptionAndIcon)
{
    systemCalls = {};
    ShowMessageBox(GetParam().id, "text");
    ASSERT_EQ(systemCalls.boxes.size(), 1u);
    const RecordedBox& box = systemCalls.boxes[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, "text");
    EXPECT_EQ(box.caption, GetParam().caption);
    EXPECT_EQ(box.style, static_cast<UINT>(MB_OK | GetParam().icon));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, BoxStyle,
    testing::Values(BoxCase{"NoStartDirectory", MSG_NO_START_DIRECTORY, "Error", MB_ICONERROR},
                    BoxCase{"FileNotFound", MSG_FILE_NOT_FOUND, "Error", MB_ICONERROR},
                    BoxCase{"CannotStart", MSG_CANNOT_START, "Error", MB_ICONERROR},
                    BoxCase{"DirectoryNotCreated", MSG_DIRECTORY_NOT_CREATED, "Error",
                            MB_ICONERROR},
                    BoxCase{"DiagnosticNotice", MSG_DIAGNOSTIC_NOTICE, "Information",
                            MB_ICONINFORMATION}),
    RowName());

// A start directory of its own, empty at the start of every test.
class StartFolder : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("kp-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) +
                   "-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        systemCalls = {};
        recordedLogEntries.clear();
        launcherState = LauncherState{};
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Folder() const { return folder_.string(); }

    // The bytes of the one capture file in the data folder.
    std::string CaptureFileBytes() const
    {
        std::string bytes;
        for (const fs::directory_entry& entry :
             fs::directory_iterator(folder_ / "Kestrelpoint-Portable" / "kestrelpoint")) {
            if (entry.path().filename().string().rfind("diagnostic.log.", 0) == 0) {
                bytes += ReadWholeFile(entry.path());
            }
        }
        return bytes;
    }

private:
    static std::string ReadWholeFile(const fs::path& path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    fs::path folder_;
};

using DiagnosticLaunch = StartFolder;

TEST_F(DiagnosticLaunch, ShowsTheNoticeInAnInformationBox)
{
    char command[] = "C:\\KP\\java\\bin\\java.exe  -propertyfile current\\config\\start.properties";
    EXPECT_TRUE(ExecuteDiagnosticCommand(Folder().c_str(), command));
    ASSERT_EQ(systemCalls.boxes.size(), 1u);
    EXPECT_EQ(systemCalls.boxes[0].text, GERMAN_MESSAGES[MSG_DIAGNOSTIC_NOTICE].head);
    EXPECT_EQ(systemCalls.boxes[0].style, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
}

// Wine hands redirected handles to the child even without inheritance;
// Windows does not, and the capture would stay empty there.
TEST_F(DiagnosticLaunch, HandsJavaTheCaptureFileAsInheritableStandardOutputAndError)
{
    const std::string line =
        "C:\\KP\\java\\bin\\java.exe -Xmx1g  -propertyfile current\\config\\start.properties";
    std::string command = line;
    ASSERT_TRUE(ExecuteDiagnosticCommand(Folder().c_str(), &command[0]));

    ASSERT_EQ(systemCalls.processCreations.size(), 1u);
    const RecordedProcessCreation& call = systemCalls.processCreations[0];
    ExpectJavaCreation(call, line, CREATE_NEW_CONSOLE | CREATE_SEPARATE_WOW_VDM);
    EXPECT_EQ(call.startupInfo.cb, sizeof(STARTUPINFOA));
    EXPECT_EQ(call.startupInfo.dwFlags, static_cast<DWORD>(STARTF_USESTDHANDLES));
    EXPECT_EQ(call.startupInfo.hStdInput, nullptr);
    EXPECT_NE(call.startupInfo.hStdOutput, nullptr);
    EXPECT_EQ(call.startupInfo.hStdError, call.startupInfo.hStdOutput);
    EXPECT_TRUE(call.outputInheritable);
    // The handle is the capture file's: Java's output follows the record's head.
    EXPECT_EQ(CaptureFileBytes(), RUN_RECORD_SEPARATOR + line + "\r\n" + STAND_IN_JAVA_OUTPUT);
}

// Each write to a file opened for appending lands whole at its end: a head
// in one write cannot be split by another run's output.
TEST_F(DiagnosticLaunch, WritesTheRunRecordHeadOfTheLongestLineInOneWrite)
{
    std::string command(COMMAND_BUFFER_SIZE - 1, 'x');
    const std::string line = command;
    ASSERT_TRUE(ExecuteDiagnosticCommand(Folder().c_str(), &command[0]));
    ASSERT_EQ(systemCalls.writes.size(), 1u);
    EXPECT_EQ(systemCalls.writes[0].bytes, RUN_RECORD_SEPARATOR + line + "\r\n");
}

using StartPropertiesReader = StartFolder;

// The file named by a cut argument is never opened, even when a file of
// that name exists: the name the user typed was longer.
TEST_F(StartPropertiesReader, NeverReadsAFileNamedByACutArgument)
{
    FILE* const file = fopen((Folder() + "\\my.properties").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    fputs("-Xmx1g /**", file);
    fclose(file);
    launcherState.alternateFileRequested = 1;
    std::strcpy(launcherState.propertyArgument, "my.properties");

    launcherState.propertyArgumentCut = 1;
    LoadStartProperties(Folder().c_str());
    EXPECT_EQ(launcherState.propertiesLoaded, 0);
    ASSERT_EQ(systemCalls.boxes.size(), 1u);
    EXPECT_EQ(systemCalls.boxes[0].text, "Konnte die Datei my.properties nicht finden!");

    launcherState.propertyArgumentCut = 0;
    LoadStartProperties(Folder().c_str());
    EXPECT_EQ(launcherState.propertiesLoaded, 1);
    EXPECT_STREQ(launcherState.jvmOptions, "-Xmx1g ");
}

}  // namespace
