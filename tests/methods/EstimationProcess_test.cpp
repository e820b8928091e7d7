#include "base/TextFile.h"
#include "process/ProcessRun.h"
#include "testing/RecordingMessenger.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::TempFolder;
using Lines = std::vector<std::string>;

namespace {

// A whole run of task 4 through the Process command.
class Task4Process : public ::testing::Test {
  protected:
    TempFolder folder;
    WorkFolder work{folder.path()};
    RecordingMessenger messenger;
    NullGauge gauge;
    StreamedPanel panel;
    ProcessRequest request;
    bool inputSaved = false;

    void SetUp() override {
        request.inputName = "station.txt";
        request.rowsText = "1";
        request.task = 4;
        request.convertEnabled = request.convertChecked = true;
        request.estimation.task4Latitude = "40.8";
        request.saveInput = [this](const std::filesystem::path& file) {
            inputSaved = true;
            writeTextLines(file, {"Station", "2005 182 30 15"});
        };
        request.columnSlots.chooseVariable(0, Year);
        request.columnSlots.chooseVariable(1, DOY);
    }
    void temperature(int slot, int variable) {
        request.columnSlots.chooseVariable(slot, variable);
        request.columnSlots[slot].unit = 0; // oC
    }
};

} // namespace

TEST_F(Task4Process, WithoutBothTemperaturesStopsBeforeInputIsWritten) {
    temperature(2, TMin);
    ProcessOutcome outcome = runProcess(request, work, messenger, gauge, panel);
    EXPECT_EQ(outcome.end, RunEnd::Stopped);
    EXPECT_EQ(messenger.events(),
              (Lines{"tone: error", "error: Task 4 needs both T-max and T-min columns."}));
    EXPECT_FALSE(inputSaved);
}

TEST_F(Task4Process, ConvertedResultGetsTheLatitudeLine) {
    temperature(2, TMax);
    temperature(3, TMin);
    ProcessOutcome outcome = runProcess(request, work, messenger, gauge, panel);
    EXPECT_EQ(outcome.end, RunEnd::Completed);
    EXPECT_EQ(messenger.events(), (Lines{"tone: exclamation"}));
    EXPECT_EQ(panel.lines(),
              (Lines{"Solar radiation estimated from T-max and T-min using the Mahmood-Hubbard "
                     "method. Station",
                     "40.8  (Lat.)", "Year\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET",
                     "\t\tMJ/m2\toC\toC\t%\tmm\tmm", "2005\t182\t24.39\t30.0\t15.0\t0\t0.0\t0.0"}));
}
