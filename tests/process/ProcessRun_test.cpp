#include "base/TextFile.h"
#include "pipeline/NumberReader.h"
#include "pipeline/UnreadableNumber.h"
#include "process/ProcessRun.h"
#include "testing/CountingGauge.h"
#include "testing/RecordingMessenger.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::TempFolder;
using Lines = std::vector<std::string>;

namespace {

struct RecordingPanel : OutputPanel {
    Lines lines;
    std::vector<std::string> calls;
    void clear() override {
        lines.clear();
        calls.push_back("clear");
    }
    void loadFile(const std::filesystem::path& file) override {
        lines = readTextLines(file);
        calls.push_back("load " + file.filename().string());
    }
    void removeLines(long long first, long long count) override {
        climora::removeLines(lines, first, count);
    }
    void insertLine(long long index, const std::string& text) override {
        climora::insertLine(lines, index, text);
    }
};

} // namespace

class Process : public ::testing::Test {
  protected:
    TempFolder folder;
    WorkFolder work{folder.path()};
    RecordingMessenger messenger;
    climora::testing::CountingGauge gauge;
    RecordingPanel panel;
    ProcessRequest request;
    Lines inputPanel;

    void SetUp() override {
        request.inputName = "station.txt";
        request.task = 1;
        request.saveInput = [this](const std::filesystem::path& file) {
            writeTextLines(file, inputPanel);
        };
    }
    void slots(std::initializer_list<std::pair<int, int>> variablesAndUnits) {
        int k = 0;
        for (auto [variable, unit] : variablesAndUnits) {
            request.columnSlots.chooseVariable(k, variable);
            if (unit >= 0)
                request.columnSlots[k].unit = unit;
            ++k;
        }
    }
    ProcessOutcome run() { return runProcess(request, work, messenger, gauge, panel); }
    bool exists(const std::string& name) { return std::filesystem::exists(work.file(name)); }
    const Lines& events() { return messenger.events(); }
};

TEST_F(Process, TheColumnCheckComesFirstAndNothingIsWritten) {
    for (int k = 0; k < slotCount; ++k)
        request.columnSlots.chooseVariable(k, Ignore);
    request.rowsText = "";
    ProcessOutcome outcome = run();
    EXPECT_EQ(outcome.end, RunEnd::Stopped);
    EXPECT_EQ(events(), (Lines{"tone: error", "error: Columns are not specified."}));
    EXPECT_FALSE(exists("Input.~"));
    EXPECT_TRUE(panel.calls.empty());
}

TEST_F(Process, ValidationStopsBeforeInputIsSaved) {
    slots({{Year, -1}, {DOY, -1}});
    ProcessOutcome outcome = run();
    EXPECT_EQ(outcome.end, RunEnd::Stopped);
    EXPECT_EQ(events(),
              (Lines{"tone: error",
                     "error: The number of rows prior to start of data is not specified."}));
    EXPECT_FALSE(exists("Input.~"));
}

TEST_F(Process, AMissingUnitIsFoundAfterTheEndNotesAreCut) {
    slots({{Year, -1}, {DOY, -1}, {Solar, -1}});
    request.rowsText = "1";
    inputPanel = {"Head", "2005 1 3", "", "notes"};
    run();
    EXPECT_EQ(events(), (Lines{"tone: error", "error: column 3 has no unit."}));
    EXPECT_EQ(readTextLines(work.file("Input.~")), (Lines{"Head", "2005 1 3"}));
    EXPECT_TRUE(panel.calls.empty());
}

TEST_F(Process, TaskOneKeepsTheFirstHeaderLineAndAsksForTheSite) {
    slots({{Year, -1}, {DOY, -1}, {Solar, 1}, {TMax, 1}, {TMin, 1}, {Precip, 2}});
    request.rowsText = "4";
    inputPanel = {"Station X",
                  "Lat 40",
                  "Units",
                  "Year Doy ...",
                  "2005,32,1000M,50,14,-99",
                  "2005,33,1000,50,14,0.5",
                  "",
                  "Data are provisional."};
    ProcessOutcome outcome = run();
    EXPECT_EQ(outcome.end, RunEnd::Completed);
    EXPECT_EQ(outcome.next, NextStep::SiteCoordinate);
    EXPECT_EQ(events(), (Lines{"tone: exclamation"}));
    EXPECT_EQ(panel.calls, (Lines{"clear", "load Output.~"}));
    EXPECT_EQ(panel.lines,
              (Lines{"Station X", "Year\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET",
                     "\t\tMJ/m2\toC\toC\t%\tmm\tmm", "2005\t32\t41.86\t10.0\t-10.0\t0\t0.3\t0.0",
                     "2005\t33\t41.86\t10.0\t-10.0\t0\t12.7\t0.0"}));
    EXPECT_FALSE(exists("Rows.~")); // the checkup's recording goes with the run
}

TEST_F(Process, WithoutHeaderLinesTheInputNameIsTheTitle) {
    slots({{Year, -1}, {DOY, -1}});
    request.rowsText = "0";
    inputPanel = {"2005 1", "2005 2"};
    ProcessOutcome outcome = run();
    EXPECT_EQ(outcome.end, RunEnd::Completed);
    ASSERT_EQ(panel.lines.size(), 5u);
    EXPECT_EQ(panel.lines[0], "station.txt");
    EXPECT_EQ(panel.lines[1], "Year\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET");
}

TEST_F(Process, TaskTwoGoesOnToTheUpdate) {
    slots({{Year, -1}, {DOY, -1}});
    request.task = 2;
    request.rowsText = "2";
    inputPanel = {"A", "B", "2005 1"};
    ProcessOutcome outcome = run();
    EXPECT_EQ(outcome.next, NextStep::Update);
    EXPECT_EQ(panel.lines.front(), "A");
    EXPECT_EQ(panel.lines.size(), 4u);
}

TEST_F(Process, TaskThreeEndsWithTheCheckup) {
    slots({{Year, -1}, {DOY, -1}});
    request.task = 3;
    request.rowsText = "0";
    inputPanel = {"2005 1", "2005 2"};
    ProcessOutcome outcome = run();
    EXPECT_EQ(outcome.end, RunEnd::Checked);
    EXPECT_EQ(outcome.next, NextStep::None);
    EXPECT_EQ(events(),
              (Lines{"tone: exclamation", "information: No suspicious data are spotted."}));
    EXPECT_TRUE(panel.lines.empty());

    messenger.clear();
    inputPanel = {"2005 1", "2005 3"};
    outcome = run();
    EXPECT_EQ(outcome.end, RunEnd::Stopped);
    EXPECT_EQ(events(), (Lines{"tone: error", "warning: Data erros are spotted!"}));
    EXPECT_EQ(panel.lines.back(), "\t2005 / 3");
}

TEST_F(Process, MissingValuesShowTheirReportAndRemoveTheInput) {
    slots({{Year, -1}, {DOY, -1}, {Precip, 0}});
    request.rowsText = "0";
    inputPanel = {"2005 1 -99", "2005 2 ", "2005 3 1"};
    request.missingValues.enabled = false;
    ProcessOutcome outcome = run();
    EXPECT_EQ(outcome.end, RunEnd::Stopped);
    EXPECT_EQ(events(),
              (Lines{"tone: error", "error: Missing values are found. Correct the data first."}));
    EXPECT_EQ(panel.lines,
              (Lines{"Missing values are found on the following lines:", "", "2005 2 "}));
    EXPECT_FALSE(exists("Input.~"));
}

TEST_F(Process, AnUnreadableNumberEndsTheRunWithAnExceptionAfterThePanelWasEmptied) {
    slots({{Year, -1}, {DOY, -1}});
    request.rowsText = "0";
    inputPanel = {"2005 1", "2005 -"};
    panel.lines = {"old result"};
    EXPECT_THROW(run(), InvalidNumericInput);
    EXPECT_FALSE(exists("Rows.~"));
    EXPECT_EQ(panel.calls, (Lines{"clear"}));
    EXPECT_TRUE(panel.lines.empty());
}

TEST(RemoveExtraRows, KeepsOnlyTheFirstHeaderLine) {
    StreamedPanel panel;
    TempFolder dir;
    writeTextLines(dir / "o", {"1", "2", "3", "4", "names"});
    for (long long n : {0, 1, 4}) {
        panel.loadFile(dir / "o");
        removeExtraRows(panel, n);
        EXPECT_EQ(panel.lines().size(), n == 4 ? 2u : 5u) << n;
    }
}

// The checkup screens the rows while the extraction reads them, but what it
// finds waits for the extraction's outcome: a wrong day before missing values
// or an unreadable number is never reported, and leaves no report behind.
TEST_F(Process, TheCheckupSpeaksOnlyAfterTheExtraction) {
    slots({{Year, -1}, {DOY, -1}, {TMax, 1}, {TMin, 1}});
    request.rowsText = "1";
    inputPanel = {"Head", "2005 1 10 2", "2005 5 10 2", "2005 6 10"};
    EXPECT_EQ(run().end, RunEnd::Stopped);
    EXPECT_EQ(events(),
              (Lines{"tone: error", "error: Missing values are found. Correct the data first."}));
    EXPECT_EQ(gauge.steps, 3); // the extraction's lines alone
    EXPECT_FALSE(exists("Checkup.~") || exists("Convert.~") || exists("Rows.~"));

    messenger.clear();
    inputPanel = {"Head", "2005 1 10 2", "2005 5 10 2", "2005 6 10 1.2.3"};
    EXPECT_THROW(run(), UnreadableNumber);
    EXPECT_TRUE(events().empty());
    EXPECT_FALSE(exists("Checkup.~") || exists("Convert.~") || exists("Rows.~"));

    messenger.clear();
    gauge.steps = 0;
    request.task = 3;
    inputPanel = {"Head", "2005 1 10 2", "2005 5 10 2", "2005 6 10 1"};
    EXPECT_EQ(run().end, RunEnd::Stopped);
    EXPECT_EQ(events(), (Lines{"tone: error", "warning: Data erros are spotted!"}));
    EXPECT_EQ(gauge.steps, 6); // three lines read, then three rows screened
    EXPECT_EQ(panel.lines.back(), "\t2005 / 5");
    EXPECT_FALSE(exists("Checkup.~"));
}
