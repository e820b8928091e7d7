// Compares the batch's data path with a floor: a single-pass reader and
// writer (common/SinglePassFloor.h) that writes the same data lines.
//   data_path [DAYS] [RUNS]   (defaults: 1,000,000 days, 5 runs)
// Each run, batch or floor, happens in a child process of its own; they
// alternate, RUNS times each, and the medians are reported. After every
// pair the floor's data lines must equal the batch's.

#include "batch/BatchRun.h"
#include "common/SinglePassFloor.h"
#include "common/StationFile.h"
#include "pipeline/Conversion.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace climora::bench;

namespace {

constexpr double megabyte = 1e6;

struct IoCounts {
    long long rchar = 0; // bytes the process read, from files and pipes alike
    long long wchar = 0; // bytes it wrote
};

IoCounts ownIoCounts() {
    IoCounts counts;
    std::ifstream io("/proc/self/io");
    std::string name;
    long long value = 0;
    while (io >> name >> value) {
        if (name == "rchar:")
            counts.rchar = value;
        else if (name == "wchar:")
            counts.wchar = value;
    }
    return counts;
}

std::string loadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

struct RunFigures {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    double peakRssBytes = 0;
    IoCounts io;
    int status = 0;
};

// The child's side: `work` between two readings of its I/O counters, whose
// difference goes to the parent. Never returns.
[[noreturn]] void runChild(int reportPipe, const std::function<int()>& work) {
    int status = 3;
    IoCounts before = ownIoCounts();
    try {
        status = work();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "data_path: %s\n", e.what());
    } catch (...) {
        std::fputs("data_path: unexpected exception\n", stderr);
    }
    IoCounts after = ownIoCounts();
    IoCounts used{after.rchar - before.rchar, after.wchar - before.wchar};
    bool reported = ::write(reportPipe, &used, sizeof used) == sizeof used;
    std::fflush(nullptr);
    ::_exit(reported ? status : 4);
}

double seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

int exitStatusOf(int waitStatus) {
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
}

// Runs `work` in a forked child: wall time around the fork and the wait, CPU
// time and peak RSS from wait4, I/O counters from the child.
RunFigures runInChild(const std::function<int()>& work) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        throw std::runtime_error("cannot make a pipe");
    std::fflush(nullptr);
    auto start = std::chrono::steady_clock::now();
    pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("cannot fork");
    if (child == 0) {
        ::close(pipeEnds[0]);
        runChild(pipeEnds[1], work);
    }
    ::close(pipeEnds[1]);
    int waitStatus = 0;
    rusage usage{};
    ::wait4(child, &waitStatus, 0, &usage);
    RunFigures figures;
    figures.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    figures.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    figures.peakRssBytes = static_cast<double>(usage.ru_maxrss) * 1024;
    figures.status = exitStatusOf(waitStatus);
    if (::read(pipeEnds[0], &figures.io, sizeof figures.io) != sizeof figures.io)
        figures.status = figures.status == 0 ? 4 : figures.status;
    ::close(pipeEnds[0]);
    return figures;
}

// The files of the benchmark, in a temporary folder removed at the end.
struct Workspace {
    fs::path folder;
    fs::path station;
    fs::path batchOutput;
    fs::path batchMessages;
    fs::path floorOutput;

    explicit Workspace(const fs::path& root)
        : folder(root), station(root / "station.txt"), batchOutput(root / "batch-out.txt"),
          batchMessages(root / "batch-messages.txt"), floorOutput(root / "floor-out.txt") {}
    ~Workspace() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;
};

fs::path makeTemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "climora-data-path-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

struct DataPathCase {
    const char* label;
    std::vector<std::string> taskArguments;
    FloorTask floorTask;
    // The batch output's line after which its data lines start.
    std::string_view headerEnd;
};

std::vector<DataPathCase> dataPathCases() {
    using climora::agroviaUnits;
    return {
        {"task 1", {"--task", "1", "--site", "40,100,300"}, FloorTask::Convert, agroviaUnits},
        {"task 3",
         {"--task", "3"},
         FloorTask::Checkup,
         "Suspicious data are spotted on (year / DOY):"},
        {"task 7 converted",
         {"--task", "7", "--latitude", "40.8", "--elevation", "300"},
         FloorTask::PenmanMonteith,
         agroviaUnits},
    };
}

constexpr FloorSite task7Site{40.8, 300};

std::vector<std::string> batchArguments(const DataPathCase& run, const Workspace& files) {
    std::vector<std::string> args{"--rows", std::to_string(stationHeaderLines), "--columns",
                                  stationColumns};
    args.insert(args.end(), run.taskArguments.begin(), run.taskArguments.end());
    args.insert(args.end(), {"-o", files.batchOutput.string(), files.station.string()});
    return args;
}

int runBatch(const std::vector<std::string>& args, const fs::path& messagesFile) {
    std::FILE* messages = std::fopen(messagesFile.c_str(), "w");
    if (!messages)
        return 3;
    int status = climora::runBatchCommand(args, stdout, messages);
    std::fclose(messages);
    return status;
}

// Task 3 stops with status 1 when it has reported suspicious days.
bool batchSucceeded(const DataPathCase& run, int status) {
    return status == 0 || (run.floorTask == FloorTask::Checkup && status == 1);
}

void printFile(const fs::path& file) {
    std::ifstream text(file);
    std::string line;
    while (std::getline(text, line))
        std::fprintf(stderr, "  %s\n", line.c_str());
}

// Moves `lines` past the first line equal to `headerEnd`; without one the
// whole file is data.
void skipHeader(std::ifstream& lines, std::string_view headerEnd) {
    std::string line;
    while (std::getline(lines, line))
        if (std::string_view(line).substr(0, line.find('\r')) == headerEnd)
            return;
    lines.clear();
    lines.seekg(0);
}

std::string shown(const std::optional<std::string>& line) {
    if (!line)
        return "(no line)";
    return line->substr(0, line->find('\r'));
}

std::optional<std::string> nextLine(std::ifstream& lines) {
    std::string line;
    if (std::getline(lines, line))
        return line;
    return std::nullopt;
}

// True when the floor's lines equal the batch output's data lines; else the
// first difference is printed.
bool sameDataLines(const Workspace& files, std::string_view headerEnd) {
    std::ifstream batchLines(files.batchOutput, std::ios::binary);
    std::ifstream floorLines(files.floorOutput, std::ios::binary);
    skipHeader(batchLines, headerEnd);
    for (long long number = 1;; ++number) {
        std::optional<std::string> batchLine = nextLine(batchLines);
        std::optional<std::string> floorLine = nextLine(floorLines);
        if (batchLine != floorLine) {
            std::printf("data line %lld differs:\n  batch: %s\n  floor: %s\n", number,
                        shown(batchLine).c_str(), shown(floorLine).c_str());
            return false;
        }
        if (!batchLine)
            return true;
    }
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The figures of every run of one case.
struct CaseSamples {
    std::vector<double> batchWall, floorWall, batchCpu, batchRss, tempWritten, read;

    void addBatch(const RunFigures& run, double outputBytes) {
        batchWall.push_back(run.wallSeconds);
        batchCpu.push_back(run.cpuSeconds);
        batchRss.push_back(run.peakRssBytes);
        tempWritten.push_back(static_cast<double>(run.io.wchar) - outputBytes);
        read.push_back(static_cast<double>(run.io.rchar));
    }
};

// One batch run and one floor run, their outputs compared; false after a
// reported failure.
bool measurePair(const DataPathCase& run, const Workspace& files, CaseSamples& samples) {
    std::vector<std::string> args = batchArguments(run, files);
    RunFigures batch = runInChild([&] { return runBatch(args, files.batchMessages); });
    if (!batchSucceeded(run, batch.status)) {
        std::printf("%s: the batch ended with status %d; its messages:\n", run.label, batch.status);
        std::fflush(stdout);
        printFile(files.batchMessages);
        return false;
    }
    std::error_code missing;
    std::uintmax_t outputBytes = fs::file_size(files.batchOutput, missing);
    samples.addBatch(batch, missing ? 0.0 : static_cast<double>(outputBytes));
    RunFigures floor = runInChild([&] {
        runSinglePassFloor(run.floorTask, files.station, files.floorOutput, task7Site);
        return 0;
    });
    if (floor.status != 0) {
        std::printf("%s: the floor ended with status %d\n", run.label, floor.status);
        return false;
    }
    samples.floorWall.push_back(floor.wallSeconds);
    if (!sameDataLines(files, run.headerEnd)) {
        std::printf("%s: the floor's data lines differ from the batch's\n", run.label);
        return false;
    }
    return true;
}

void printCase(const char* label, const CaseSamples& samples, long long rows, double inputBytes) {
    double batch = median(samples.batchWall);
    double floor = median(samples.floorWall);
    double temp = median(samples.tempWritten);
    auto millionRowsPerSecond = [rows](double s) { return static_cast<double>(rows) / s / 1e6; };
    std::printf("%s: batch %.3f s (%.2f M rows/s), floor %.3f s (%.2f M rows/s), ratio %.2f; "
                "CPU %.2f s; temp written %.1f MB (%.2fx input); read %.1fx input; "
                "peak RSS %.1f MB\n",
                label, batch, millionRowsPerSecond(batch), floor, millionRowsPerSecond(floor),
                batch / floor, median(samples.batchCpu), temp / megabyte, temp / inputBytes,
                median(samples.read) / inputBytes, median(samples.batchRss) / megabyte);
    std::fflush(stdout);
}

bool measureCase(const DataPathCase& run, const Workspace& files, long long rows, int runs) {
    CaseSamples samples;
    for (int i = 0; i < runs; ++i)
        if (!measurePair(run, files, samples))
            return false;
    printCase(run.label, samples, rows, static_cast<double>(fs::file_size(files.station)));
    return true;
}

int measureAll(long long days, int runs) {
    Workspace files(makeTemporaryFolder());
    // The batch must find no settings of the user's and leave none behind.
    fs::path dataHome = files.folder / "data-home";
    fs::create_directories(dataHome);
    ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    writeStationFile(files.station, days);
    std::printf("input: %lld rows, %.1f MB (%ju bytes); %d runs of each\n", days,
                static_cast<double>(fs::file_size(files.station)) / megabyte,
                static_cast<std::uintmax_t>(fs::file_size(files.station)), runs);
    std::printf("load average at start: %s\n", loadAverage().c_str());
    for (const DataPathCase& run : dataPathCases())
        if (!measureCase(run, files, days, runs))
            return 1;
    std::printf("load average at end: %s\n", loadAverage().c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    long long days = argc > 1 ? std::atoll(argv[1]) : 1000000;
    int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    if (days < 1 || runs < 1) {
        std::fputs("usage: data_path [DAYS] [RUNS]   (both at least 1)\n", stderr);
        return 2;
    }
    try {
        return measureAll(days, runs);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "data_path: %s\n", e.what());
        return 1;
    }
}
