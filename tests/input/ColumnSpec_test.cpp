#include "input/ColumnSpec.h"
#include "input/InputFile.h"
#include "testing/RecordingMessenger.h"

#include <gtest/gtest.h>

using namespace climora;

namespace {

using Events = std::vector<std::string>;

Events errorEvents(const std::string& text) {
    return {"tone: error", "error: " + text};
}

RunInputs completeInputs() {
    RunInputs inputs;
    inputs.inputName = "station.txt";
    inputs.rowsText = "3";
    inputs.task = 1;
    return inputs;
}

} // namespace

TEST(ColumnCount, IsTheRightmostSlotWithARealVariable) {
    ColumnSlots slots;
    ColumnSpec spec;
    RecordingMessenger messenger;
    slots.chooseVariable(11, Year);
    ASSERT_TRUE(theLastColumn(slots, spec, messenger));
    EXPECT_EQ(spec.columnCount, 12);

    ColumnSlots three;
    three.chooseVariable(0, Year);
    three.chooseVariable(2, TMax);
    three.chooseVariable(3, Ignore);
    ASSERT_TRUE(theLastColumn(three, spec, messenger));
    EXPECT_EQ(spec.columnCount, 3);
    EXPECT_TRUE(messenger.events().empty());
}

TEST(ColumnCount, AllIgnoreOrEmptyIsReported) {
    ColumnSlots slots;
    for (int k = 0; k < slotCount; k += 2)
        slots.chooseVariable(k, Ignore);
    ColumnSpec spec;
    RecordingMessenger messenger;
    EXPECT_FALSE(theLastColumn(slots, spec, messenger));
    EXPECT_EQ(messenger.events(), errorEvents("Columns are not specified."));
}

TEST(CheckInputs, ReportsOnlyTheFirstFailureInOrder) {
    ColumnSpec spec;
    auto check = [&](RunInputs inputs) {
        RecordingMessenger messenger;
        bool ok = checkInputs(inputs, spec, messenger);
        return ok ? Events{} : messenger.events();
    };
    RunInputs inputs = completeInputs();
    EXPECT_EQ(check(inputs), Events{});
    inputs.task = 4;
    EXPECT_EQ(check(inputs), errorEvents("No latitude is given."));
    inputs.task = 5;
    inputs.task4Latitude = "40";
    EXPECT_EQ(check(inputs), errorEvents("No latitude is given."));
    inputs.task = 0;
    EXPECT_EQ(check(inputs), errorEvents("No task is selected."));
    inputs.rowsText = "";
    EXPECT_EQ(check(inputs),
              errorEvents("The number of rows prior to start of data is not specified."));
    inputs.inputName = "";
    EXPECT_EQ(check(inputs), errorEvents("No input file is opened."));
}

TEST(CheckInputs, Task4NeedsBothTemperatureColumnsAfterItsLatitude) {
    ColumnSpec spec;
    spec.variable.fill(NoVariable);
    spec.variable[0] = Year;
    spec.variable[1] = DOY;
    spec.variable[2] = TMin;
    spec.columnCount = 3;
    RunInputs inputs = completeInputs();
    inputs.task = 4;
    RecordingMessenger noLatitude;
    EXPECT_FALSE(checkInputs(inputs, spec, noLatitude));
    EXPECT_EQ(noLatitude.events(), errorEvents("No latitude is given."));

    inputs.task4Latitude = "40.8";
    RecordingMessenger onlyTMin;
    EXPECT_FALSE(checkInputs(inputs, spec, onlyTMin));
    EXPECT_EQ(onlyTMin.events(), errorEvents("Task 4 needs both T-max and T-min columns."));

    spec.variable[3] = TMax; // beyond the column count: not a column of the run
    RecordingMessenger outside;
    EXPECT_FALSE(checkInputs(inputs, spec, outside));
    spec.columnCount = 4;
    RecordingMessenger both;
    EXPECT_TRUE(checkInputs(inputs, spec, both));
    EXPECT_TRUE(both.events().empty());

    inputs.task = 5; // other tasks do not ask for temperatures
    inputs.task5Latitude = "40.8";
    spec.variable[3] = Solar;
    RecordingMessenger task5;
    EXPECT_TRUE(checkInputs(inputs, spec, task5));
}

TEST(CheckInputs, LatitudesBeyondThePolesAreRefusedAfterTheEmptyBox) {
    ColumnSpec spec;
    spec.variable.fill(NoVariable);
    spec.variable[0] = TMax;
    spec.variable[1] = TMin;
    spec.columnCount = 2;
    const std::string beyond = "Latitude must be between -90 and 90.";
    const struct {
        int task;
        const char* latitude;
        std::string refusal; // empty: accepted
    } cases[] = {
        {4, "91", beyond},  {4, "-90.01", beyond}, {4, "90", ""}, {4, " -90 ", ""},
        {5, "1e3", beyond}, {5, "-91", beyond},    {5, "90", ""}, {5, "-90", ""},
        {4, "91 N", ""}, // not a number: the task reports that itself
    };
    for (const auto& c : cases) {
        RunInputs inputs = completeInputs();
        inputs.task = c.task;
        inputs.task4Latitude = inputs.task5Latitude = c.latitude;
        RecordingMessenger messenger;
        EXPECT_EQ(checkInputs(inputs, spec, messenger), c.refusal.empty()) << c.latitude;
        EXPECT_EQ(messenger.events(), c.refusal.empty() ? Events{} : errorEvents(c.refusal))
            << c.task << " " << c.latitude;
    }
}

TEST(Units, MeasuredVariablesNeedAUnitExceptSingleUnitOnes) {
    ColumnSlots slots;
    slots.chooseVariable(0, Year);
    slots.chooseVariable(1, DOY);
    slots.chooseVariable(2, RelHum);
    slots.chooseVariable(3, SunHrPercent);
    slots.chooseVariable(4, Solar);
    ColumnSpec spec;
    RecordingMessenger messenger;
    ASSERT_TRUE(theLastColumn(slots, spec, messenger));
    assignVariableIndexAndUnitIndexToColumn(slots, spec);
    EXPECT_FALSE(assignUnit(slots, spec, messenger));
    EXPECT_EQ(messenger.events(), errorEvents("column 5 has no unit."));
    EXPECT_EQ(spec.unitOf(RelHum), "%");
    EXPECT_EQ(spec.unitOf(SunHrPercent), "%");

    slots[4].unit = 1;
    messenger.clear();
    assignVariableIndexAndUnitIndexToColumn(slots, spec);
    EXPECT_TRUE(assignUnit(slots, spec, messenger));
    EXPECT_EQ(spec.unitOf(Solar), "Langley");
    EXPECT_EQ(spec.variable[2], RelHum);
    EXPECT_EQ(spec.unitPosition[4], 1);
}

TEST(Units, LaterSlotOfTheSameVariableWins) {
    ColumnSlots slots;
    slots.chooseVariable(0, TMax);
    slots[0].unit = 0;
    slots.chooseVariable(1, TMax);
    slots[1].unit = 1;
    ColumnSpec spec;
    RecordingMessenger messenger;
    theLastColumn(slots, spec, messenger);
    ASSERT_TRUE(assignUnit(slots, spec, messenger));
    EXPECT_EQ(spec.unitOf(TMax), "oF");
}

TEST(Slots, ResetKeepsUnitItemsAndChoosingAgainDoesNotDuplicate) {
    ColumnSlots slots;
    slots.chooseVariable(0, Precip);
    slots[0].unit = 2;
    slots.resetSelections();
    EXPECT_EQ(slots[0].variable, NoVariable);
    EXPECT_EQ(slots[0].unit, -1);
    EXPECT_EQ(slots[0].unitItems.size(), 3u);
    slots.chooseVariable(0, Precip);
    EXPECT_EQ(slots[0].unitItems, (std::vector<std::string>{"mm", "cm", "inch"}));
}

TEST(Slots, UnitDisplayControlSelectsTheOnlyUnitOfSingleUnitVariables) {
    ColumnSlots slots;
    slots.variableDisplay(0, SunHr);
    slots.unitDisplayControl(0, 2);
    EXPECT_EQ(slots[0].unitText(), "hr");
    slots.variableDisplay(1, Year);
    slots.unitDisplayControl(1, 1);
    EXPECT_TRUE(slots[1].unitItems.empty());
    EXPECT_EQ(slots[1].unit, -1);
}

TEST(Slots, SpacerGeometryAtItsLimits) {
    EXPECT_EQ(slotGeometry(spacerMinimum).boxWidth, 42);
    EXPECT_EQ(slotGeometry(spacerMinimum).pitch, 36);
    EXPECT_EQ(slotGeometry(spacerMaximum).boxWidth, 162);
    EXPECT_EQ(slotGeometry(spacerMaximum).pitch, 156);
    EXPECT_EQ(slotGeometry(0).labelOffset, 19);
}

TEST(InputFile, NameWithoutExtensionAndSpinRules) {
    EXPECT_EQ(getNameOnlyNoExt("/data/station.2014.txt"), "station");
    EXPECT_EQ(getNameOnlyNoExt("C:\\w\\station.txt"), "station");
    EXPECT_EQ(getNameOnlyNoExt("Output"), "");
    EXPECT_EQ(rowsUpArrow(""), "0");
    EXPECT_EQ(rowsUpArrow("0"), "0");
    EXPECT_EQ(rowsUpArrow("5"), "4");
    EXPECT_EQ(rowsDownArrow(""), "1");
    EXPECT_EQ(rowsDownArrow("9"), "10");
    EXPECT_EQ(withDefaultExtension("/x/data", ".txt"), "/x/data.txt");
    EXPECT_EQ(withDefaultExtension("/x.y/data.csv", ".txt"), "/x.y/data.csv");
}
