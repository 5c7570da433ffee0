// Times the PROD launcher against the baseline in one Wine session.
//
//   startup-timer.exe <portable folder> <runs>
//
// The launcher and the baseline (startup-baseline.exe) are taken from the
// folder of the timer itself, where the build puts every executable.
// Each run starts the program in the portable folder and takes the time from
// the start until the program has ended; by then it has created the folder's
// Java runtime, a stand-in that records its command line in
// java\bin\received.txt and exits at once. The stand-in is waited for, outside
// the timed span, so that no run overlaps the next. The launcher and the
// baseline alternate, so that drift of the machine touches both alike. The
// baseline gets the very command line the launcher handed the stand-in.
// Afterwards a few runs of each are watched for their peak memory.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "HarnessFacts.h"
#include "JavaRecord.h"
#include "UniqueHandle.h"

namespace {

constexpr DWORD RUN_TIMEOUT_MS = 30000;
constexpr DWORD RECORD_POLL_MS = 1;
constexpr int WARM_UP_RUNS = 5;
constexpr int MEMORY_RUNS = 10;
constexpr double MILLISECONDS_PER_SECOND = 1000.0;
constexpr double BYTES_PER_KB = 1024.0;
constexpr double TARGET_RATIO = 1.03;
constexpr double P90_FRACTION = 0.9;
constexpr int EXIT_USAGE = 2;
constexpr int EXIT_RUN_FAILED = 1;
constexpr int DECIMAL_BASE = 10;
// The size each executable must stay within, icons included.
constexpr unsigned long TARGET_EXECUTABLE_BYTES = 44 * 1024;

const char BASELINE_FILE[] = "startup-baseline.exe";
const char JAVA_FOLDER[] = "java\\bin\\";

struct Setup {
    std::string launcherLine;
    std::string baselineLine;
    std::string folder;
    std::string recordPath;
};

struct PeakMemory {
    SIZE_T workingSet;
    SIZE_T pagefile;
    int samples;
};

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

// Waits until the stand-in has written its last record line and ended.
bool WaitForStandIn(const std::string& recordPath)
{
    const ULONGLONG deadline = GetTickCount64() + RUN_TIMEOUT_MS;
    std::string record = ReadWholeFile(recordPath);
    while (!JavaRecordFinished(record)) {
        if (GetTickCount64() > deadline) {
            std::fprintf(stderr, "the stand-in did not finish within %lu ms\n",
                         static_cast<unsigned long>(RUN_TIMEOUT_MS));
            return false;
        }
        Sleep(RECORD_POLL_MS);
        record = ReadWholeFile(recordPath);
    }
    const DWORD pid = std::strtoul(JavaRecordValue(record, FIELD_PID).c_str(), nullptr,
                                   DECIMAL_BASE);
    const UniqueHandle standIn(OpenProcess(SYNCHRONIZE, FALSE, pid));
    return !standIn.Valid() || WaitForSingleObject(standIn.Get(), RUN_TIMEOUT_MS) == WAIT_OBJECT_0;
}

bool StartProgram(const std::string& commandLine, const std::string& folder,
                  OwnedProcess& process)
{
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startupInfo = {};
    startupInfo.cb = sizeof startupInfo;
    PROCESS_INFORMATION information = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startupInfo, &information)) {
        std::fprintf(stderr, "not started (system error %lu): %s\n",
                     static_cast<unsigned long>(GetLastError()), commandLine.c_str());
        return false;
    }
    process.Adopt(information);
    return true;
}

// Waits for the program's end within the run's time limit; kills it when it
// hangs.
bool WaitForEnd(const OwnedProcess& process)
{
    if (WaitForSingleObject(process.process.Get(), RUN_TIMEOUT_MS) == WAIT_OBJECT_0) {
        return true;
    }
    std::fprintf(stderr, "a run did not end within %lu ms: killed\n",
                 static_cast<unsigned long>(RUN_TIMEOUT_MS));
    process.Kill();
    return false;
}

// Ends the run: the program's exit code must be 0, and the stand-in must have
// been created and have finished.
bool FinishRun(const OwnedProcess& process, const std::string& recordPath)
{
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.process.Get(), &exitCode);
    if (exitCode != 0) {
        std::fprintf(stderr, "a run ended with exit code %lu\n",
                     static_cast<unsigned long>(exitCode));
        return false;
    }
    return WaitForStandIn(recordPath);
}

// One run; returns its time in milliseconds, or a negative number on failure.
double TimeRun(const std::string& commandLine, const Setup& setup)
{
    DeleteFileA(setup.recordPath.c_str());
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    OwnedProcess process;
    if (!StartProgram(commandLine, setup.folder, process)) {
        return -1.0;
    }
    const bool ended = WaitForEnd(process);
    QueryPerformanceCounter(&end);
    if (!ended || !FinishRun(process, setup.recordPath)) {
        return -1.0;
    }
    return static_cast<double>(end.QuadPart - start.QuadPart) * MILLISECONDS_PER_SECOND /
           static_cast<double>(frequency.QuadPart);
}

// Samples the program's peak counters until it ends, within the run's time
// limit; the system keeps the peaks, so the last sample that succeeds holds
// the run's peak.
bool WatchMemory(const std::string& commandLine, const Setup& setup, PeakMemory& peak)
{
    DeleteFileA(setup.recordPath.c_str());
    OwnedProcess process;
    if (!StartProgram(commandLine, setup.folder, process)) {
        return false;
    }
    const ULONGLONG deadline = GetTickCount64() + RUN_TIMEOUT_MS;
    do {
        PROCESS_MEMORY_COUNTERS counters = {};
        if (GetProcessMemoryInfo(process.process.Get(), &counters, sizeof counters)) {
            peak.workingSet = std::max(peak.workingSet, counters.PeakWorkingSetSize);
            peak.pagefile = std::max(peak.pagefile, counters.PeakPagefileUsage);
            ++peak.samples;
        }
    } while (WaitForSingleObject(process.process.Get(), 0) == WAIT_TIMEOUT &&
             GetTickCount64() < deadline);
    return WaitForEnd(process) && FinishRun(process, setup.recordPath);
}

// The nearest-rank value: the sorted time at fraction of the way, rounded.
double Percentile(std::vector<double> times, double fraction)
{
    std::sort(times.begin(), times.end());
    const size_t index = static_cast<size_t>(fraction * static_cast<double>(times.size() - 1) + 0.5);
    return times[index];
}

double Median(const std::vector<double>& times)
{
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const size_t middle = sorted.size() / 2;
    return sorted.size() % 2 != 0 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

void ReportTimes(const char* name, const std::vector<double>& times)
{
    std::printf("%-8s median %.2f ms, p90 %.2f ms, min %.2f ms\n", name, Median(times),
                Percentile(times, P90_FRACTION), *std::min_element(times.begin(), times.end()));
}

void ReportMemory(const char* name, const PeakMemory& peak)
{
    if (peak.samples == 0) {
        std::printf("peak memory, %s: not measurable here\n", name);
        return;
    }
    std::printf("peak memory, %s: working set %.0f KB, pagefile %.0f KB (max of %d runs)\n", name,
                static_cast<double>(peak.workingSet) / BYTES_PER_KB,
                static_cast<double>(peak.pagefile) / BYTES_PER_KB, MEMORY_RUNS);
}

// The first launcher run, untimed, tells the command line the baseline gets.
bool PrepareBaselineLine(Setup& setup, const std::string& baseline)
{
    if (TimeRun(setup.launcherLine, setup) < 0) {
        return false;
    }
    const std::string javaLine = JavaRecordValue(ReadWholeFile(setup.recordPath), FIELD_COMMAND_LINE);
    setup.baselineLine = Quoted(baseline) + " " + javaLine;
    std::printf("java command line: %s\n", javaLine.c_str());
    return !javaLine.empty();
}

bool Alternate(const Setup& setup, int runs, std::vector<double>& launcherTimes,
               std::vector<double>& baselineTimes)
{
    for (int run = 0; run < runs; ++run) {
        const double launcher = TimeRun(setup.launcherLine, setup);
        const double baseline = TimeRun(setup.baselineLine, setup);
        if (launcher < 0 || baseline < 0) {
            std::fprintf(stderr, "run %d failed (launcher %.2f, baseline %.2f)\n", run, launcher,
                         baseline);
            return false;
        }
        launcherTimes.push_back(launcher);
        baselineTimes.push_back(baseline);
    }
    return true;
}

bool MeasureMemory(const Setup& setup, PeakMemory& launcher, PeakMemory& baseline)
{
    for (int run = 0; run < MEMORY_RUNS; ++run) {
        if (!WatchMemory(setup.launcherLine, setup, launcher) ||
            !WatchMemory(setup.baselineLine, setup, baseline)) {
            return false;
        }
    }
    return true;
}

// The sizes of the three executables against their target; false when one
// cannot be read.
bool ReportSizes()
{
    for (const char* name : DELIVERABLE_NAMES) {
        WIN32_FILE_ATTRIBUTE_DATA attributes = {};
        if (!GetFileAttributesExA(DeliverablePath(name).c_str(), GetFileExInfoStandard,
                                  &attributes)) {
            std::fprintf(stderr, "%s.exe not found\n", name);
            return false;
        }
        // Far below 4 GB: the low part is the size.
        const unsigned long bytes = attributes.nFileSizeLow;
        std::printf("%s.exe: %lu bytes (target at most %lu: %s)\n", name, bytes,
                    TARGET_EXECUTABLE_BYTES, bytes <= TARGET_EXECUTABLE_BYTES ? "met" : "missed");
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || std::atoi(argv[2]) <= 0) {
        std::fprintf(stderr, "usage: %s <portable folder> <runs>\n", argv[0]);
        return EXIT_USAGE;
    }
    const std::string folder = argv[1];
    Setup setup{Quoted(DeliverablePath(PROD)), "", folder,
                folder + "\\" + JAVA_FOLDER + JAVA_RECORD_FILE};
    const int runs = std::atoi(argv[2]);
    if (!ReportSizes()) {
        return EXIT_RUN_FAILED;
    }
    if (!PrepareBaselineLine(setup, BesideThisExecutable(BASELINE_FILE))) {
        std::fprintf(stderr, "the launcher did not start the stand-in\n");
        return EXIT_RUN_FAILED;
    }
    std::vector<double> warmUpLauncher;
    std::vector<double> warmUpBaseline;
    std::vector<double> launcherTimes;
    std::vector<double> baselineTimes;
    PeakMemory launcherMemory = {};
    PeakMemory baselineMemory = {};
    if (!Alternate(setup, WARM_UP_RUNS, warmUpLauncher, warmUpBaseline) ||
        !Alternate(setup, runs, launcherTimes, baselineTimes) ||
        !MeasureMemory(setup, launcherMemory, baselineMemory)) {
        return EXIT_RUN_FAILED;
    }
    std::printf("runs: %d of each, alternating, after %d warm-up runs of each\n", runs,
                WARM_UP_RUNS);
    ReportTimes("launcher", launcherTimes);
    ReportTimes("baseline", baselineTimes);
    const double ratio = Median(launcherTimes) / Median(baselineTimes);
    std::printf("ratio launcher/baseline (medians): %.3f (target at most %.2f: %s)\n", ratio,
                TARGET_RATIO, ratio <= TARGET_RATIO ? "met" : "missed");
    ReportMemory("launcher", launcherMemory);
    ReportMemory("baseline", baselineMemory);
    return 0;
}
