// Hostile inputs through the real executables: each ends with its documented
// outcome, never with a crash or a hang, and writes nothing outside its
// start directory.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "LauncherHarness.h"
#include "PortableFolder.h"
#include "RowName.h"
#include "UniqueHandle.h"

namespace {


// The longest command line CreateProcess takes, without its terminator.
constexpr size_t LONGEST_PROCESS_COMMAND_LINE = 32766;
constexpr size_t MEGABYTE = 1024 * 1024;

// A start directory ready to launch: Java, data folder, start-properties file.
void PrepareStart(const PortableFolder& outer, const std::string& start)
{
    outer.InstallJavaAt(start + "\\java\\bin\\javaw.exe");
    outer.MakeDirectory(start + "\\Kestrelpoint-Portable\\kestrelpoint");
    outer.WriteFile(start + "\\current\\config\\start.properties", "-Xmx1g /**");
}

// What a row's preparation hands the run: the command tail, and a file it
// holds open while the launcher runs.
struct Preparation {
    std::string tail;
    UniqueHandle heldFile;
};

struct HostileCase {
    const char* name;
    size_t startDirectoryLength;  // 0: a short start directory
    std::function<Preparation(const PortableFolder& outer, const std::string& start)> prepare;
    DWORD exitCode;
    bool javaStarts;
};

class HostileInput : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileInput, EndsAsDocumentedWithinItsStartDirectory)
{
    const HostileCase& row = GetParam();
    PortableFolder outer("Hostile");
    const std::string start = row.startDirectoryLength == 0
                                  ? "start"
                                  : std::string(row.startDirectoryLength - outer.Path().size() - 1, 's');
    Preparation preparation = row.prepare(outer, start);
    LaunchRequest request;
    request.executable = DeliverablePath(PROD);
    request.commandTail = preparation.tail;
    request.currentDirectory = outer.PathOf(start);
    const LaunchOutcome outcome = LaunchAndWatch(request);
    preparation.heldFile.Reset();

    // The exact code also tells a crash (an exception code) from an ending.
    ASSERT_TRUE(Ended(outcome));
    EXPECT_EQ(DescribeExitCode(outcome.exitCode), DescribeExitCode(row.exitCode));
    const std::string javaDirectory = start + "\\java\\bin";
    if (row.javaStarts) {
        EXPECT_FALSE(WaitForJavaRecord(outer, javaDirectory).empty());
    } else {
        EXPECT_FALSE(outer.Exists(javaDirectory + "\\received.txt"));
    }
    EXPECT_EQ(outer.EntriesOf("."), std::vector<std::string>{start});
    EXPECT_FALSE(outer.Exists("..\\Kestrelpoint-Portable"));
}

Preparation Prepared(const PortableFolder& outer, const std::string& start)
{
    PrepareStart(outer, start);
    return {};
}

Preparation WithProperties(const PortableFolder& outer, const std::string& start,
                           const std::string& text)
{
    PrepareStart(outer, start);
    outer.WriteFile(start + "\\current\\config\\start.properties", text);
    return {};
}


INSTANTIATE_TEST_SUITE_P(
    Rows, HostileInput,
    testing::Values(
        HostileCase{"SeveralMegabytesOfOptions", 0,
                    [](const PortableFolder& outer, const std::string& start) {
                        std::string options;
                        while (options.size() < 4 * MEGABYTE) {
                            options += "-Dkey=value\r\n";
                        }
                        return WithProperties(outer, start, options + "/**");
                    },
                    EXIT_CODE_LAUNCH_FAILED, false},
        HostileCase{"OneHundredThousandCharToken", 0,
                    [](const PortableFolder& outer, const std::string& start) {
                        return WithProperties(outer, start,
                                              "-D" + std::string(100000, 'x') + " /**");
                    },
                    EXIT_CODE_LAUNCH_FAILED, false},
        HostileCase{"LongestProcessCommandLine", 0,
                    [](const PortableFolder& outer, const std::string& start) {
                        PrepareStart(outer, start);
                        const size_t used = DeliverablePath(PROD).size() + 3 + 3;
                        return Preparation{
                            "-c " + std::string(LONGEST_PROCESS_COMMAND_LINE - used, 'n'), {}};
                    },
                    EXIT_CODE_NOTHING_TO_LAUNCH, false},
        // Its start-properties path (282 chars) is longer than Windows or
        // Wine opens by a plain path: reported as not found.
        HostileCase{"StartDirectoryOf250Chars", 250,
                    [](const PortableFolder& outer, const std::string& start) {
                        return Prepared(outer, start);
                    },
                    EXIT_CODE_NOTHING_TO_LAUNCH, false},
        HostileCase{"PropertiesPathIsADirectory", 0,
                    [](const PortableFolder& outer, const std::string& start) {
                        PrepareStart(outer, start);
                        const std::string path = start + "\\current\\config\\start.properties";
                        DeleteFileA(outer.PathOf(path).c_str());
                        outer.MakeDirectory(path);
                        return Preparation{};
                    },
                    EXIT_CODE_NOTHING_TO_LAUNCH, false},
        HostileCase{"PropertiesFileLocked", 0,
                    [](const PortableFolder& outer, const std::string& start) {
                        // Held open without sharing while the launcher runs.
                        PrepareStart(outer, start);
                        Preparation locked;
                        locked.heldFile.Reset(CreateFileA(
                            outer.PathOf(start + "\\current\\config\\start.properties").c_str(),
                            GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr));
                        EXPECT_TRUE(locked.heldFile.Valid());
                        return locked;
                    },
                    EXIT_CODE_NOTHING_TO_LAUNCH, false},
        HostileCase{"ReadOnlyDataFolderAndLog", 0,
                    [](const PortableFolder& outer, const std::string& start) {
                        PrepareStart(outer, start);
                        const std::string data = start + "\\Kestrelpoint-Portable\\kestrelpoint";
                        const std::string log = start + "\\" + LogPathOf(PROD);
                        outer.WriteFile(log, "old");
                        SetFileAttributesA(outer.PathOf(log).c_str(), FILE_ATTRIBUTE_READONLY);
                        SetFileAttributesA(outer.PathOf(data).c_str(), FILE_ATTRIBUTE_READONLY);
                        return Preparation{};
                    },
                    0, true}),
    RowName());

}  // namespace
