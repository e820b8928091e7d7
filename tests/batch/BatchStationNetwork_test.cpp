// climora-batch over many station files: one output per file in the output
// folder, a summary line per file, and the worst exit status.

#include "testing/BatchProcess.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace fs = std::filesystem;
using climora::testing::BatchRun;
using climora::testing::readBytes;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

namespace {

const std::vector<std::string> columns = {"--rows", "1", "--columns", "Year,DOY,T-max:oC,T-min:oC"};

struct Station {
    const char* name;
    const char* text;    // none: the file is missing
    const char* summary; // ROWS<TAB>STATUS[<TAB>notes]
};
// The note: no column for solar radiation, rain and the rest.
const Station done = {"done.txt", "H\n2005 1 5 3\n2005 2 6 4\n", "5\tdone\t1 note"};
const Station stopped = {"stopped.txt", "H\n2005 367 5 3\n", "0\tstopped"};
const Station failed = {"failed.txt", nullptr, "0\tfailed"};

BatchRun runStations(const fs::path& folder, std::vector<std::string> args) {
    TempFolder scratch;
    return climora::testing::finishBatch(climora::testing::startBatch(folder, args, scratch.path()),
                                         scratch.path());
}

// The lines that start with one of the station names, sorted: the files
// finish in any order.
std::vector<std::string> summaryLines(const std::string& errors) {
    std::vector<std::string> lines;
    std::istringstream in(errors);
    for (std::string line; std::getline(in, line);)
        if (line.find('\t') != std::string::npos)
            lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace

TEST(BatchStationNetwork, EachFileGetsItsOutputAndTheWorstStatusIsTheCalls) {
    struct Case {
        std::vector<Station> stations;
        std::string jobs;
        int exitStatus;
        std::string countLine;
    };
    const std::vector<Case> cases = {
        {{done}, "1", 0, "1 files: 1 done, 0 stopped, 0 failed\n"},
        {{stopped, done}, "2", 1, "2 files: 1 done, 1 stopped, 0 failed\n"},
        {{done, failed, stopped}, "2", 2, "3 files: 1 done, 1 stopped, 1 failed\n"},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        std::vector<std::string> args = columns;
        args.insert(args.end(), {"--output-dir", "out/new", "-j", c.jobs});
        std::vector<std::string> expectedSummary;
        for (const Station& station : c.stations) {
            if (station.text)
                writeBytes(dir / station.name, station.text);
            args.push_back(station.name);
            expectedSummary.push_back(std::string(station.name) + "\t" + station.summary);
        }
        SCOPED_TRACE(::testing::PrintToString(args));
        BatchRun run = runStations(dir.path(), args);
        EXPECT_EQ(run.exitStatus, c.exitStatus);
        std::sort(expectedSummary.begin(), expectedSummary.end());
        EXPECT_EQ(summaryLines(run.errors), expectedSummary) << run.errors;
        EXPECT_TRUE(run.errors.ends_with(c.countLine)) << run.errors;
        EXPECT_EQ(run.output, "");
        // The same text as a run of that file alone writes.
        std::vector<std::string> single = columns;
        single.push_back(done.name);
        EXPECT_EQ(readBytes(dir / "out" / "new" / "done.wth"),
                  runStations(dir.path(), single).output);
        EXPECT_FALSE(fs::exists(dir / "out" / "new" / "failed.wth"));
    }
}

TEST(BatchStationNetwork, NoNotesLeavesTheNoteLinesOutButCountsThem) {
    TempFolder dir;
    writeBytes(dir / done.name, done.text);
    std::vector<std::string> args = {"--no-notes", "--output-dir", "out", done.name};
    args.insert(args.begin(), columns.begin(), columns.end());
    BatchRun run = runStations(dir.path(), args);
    EXPECT_EQ(run.errors, std::string(done.name) + "\t" + done.summary +
                              "\n1 files: 1 done, 0 stopped, 0 failed\n");
}
