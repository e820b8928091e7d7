#include "templates/DataTemplate.h"

#include <gtest/gtest.h>

using namespace climora;

namespace {

using Lines = std::vector<std::string>;

const std::string allNone = "-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t";

std::vector<int> variablesOf(const ColumnSlots& slots) {
    std::vector<int> result;
    for (int k = 0; k < slotCount; ++k)
        result.push_back(slots[k].variable);
    return result;
}

std::vector<int> unitsOfSlots(const ColumnSlots& slots) {
    std::vector<int> result;
    for (int k = 0; k < slotCount; ++k)
        result.push_back(slots[k].unit);
    return result;
}

} // namespace

TEST(ApplySettingsLines, SelectsVariablesThenFillsAndSelectsUnits) {
    Lines lines = {"2", "1\t4\t5\t6\t7\t8\t9\t14\t15\t0\t-1\t16\t",
                   "-1\t-1\t1\t1\t0\t2\t-1\t-1\t-1\t-1\t-1\t-1\t"};
    ColumnSlots slots;
    std::string rows;
    applySettingsLines(lines, 0, "T", rows, slots);
    EXPECT_EQ(rows, "2");
    EXPECT_EQ(variablesOf(slots), (std::vector<int>{1, 4, 5, 6, 7, 8, 9, 14, 15, 0, -1, 16}));
    // RelHum, SunHr and SunHr% take their only unit whatever was stored.
    EXPECT_EQ(unitsOfSlots(slots), (std::vector<int>{-1, -1, 1, 1, 0, 2, 0, 0, 0, -1, -1, -1}));
    EXPECT_EQ(slots[2].unitText(), "Langley");
    EXPECT_EQ(slots[3].unitText(), "oF");
    EXPECT_EQ(slots[5].unitText(), "inch");
    EXPECT_EQ(slots[6].unitText(), "%");
    EXPECT_EQ(slots[7].unitText(), "hr");
    // Year, Ignore, nothing and YYDOY leave their unit lists empty.
    for (int k : {0, 9, 10, 11})
        EXPECT_TRUE(slots[k].unitItems.empty()) << k;
}

TEST(ApplySettingsLines, EmptyRowsLineGivesAnEmptyBoxWithoutShiftingTheOthers) {
    Lines lines = {"", "1\t2\t3\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t", allNone};
    ColumnSlots slots;
    std::string rows = "7";
    applySettingsLines(lines, 0, "T", rows, slots);
    EXPECT_EQ(rows, "");
    EXPECT_EQ(variablesOf(slots), (std::vector<int>{1, 2, 3, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
}

TEST(ApplySettingsLines, ReadsRowsAsAnIntegerAndPositionsAcrossLineEnds) {
    // Readers have always taken the integers as a stream, so a line broken in
    // two still gives 12 positions; the rest of the rows line is ignored.
    Lines lines = {"05 rows", "1\t2\t3\t4\t5\t6", "7\t8\t9\t10\t11\t12\t",
                   "0 0 0 0 0 0 0 0 0 0 0 0"};
    ColumnSlots slots;
    std::string rows;
    applySettingsLines(lines, 0, "T", rows, slots);
    EXPECT_EQ(rows, "5");
    EXPECT_EQ(variablesOf(slots), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(slots[11].unit, 0);
}

TEST(ApplySettingsLines, PositionsTheListsLackSelectNothing) {
    Lines lines = {"0", "18\t-5\t99\t5\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t",
                   "-1\t-1\t-1\t7\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t"};
    ColumnSlots slots;
    std::string rows;
    applySettingsLines(lines, 0, "T", rows, slots);
    EXPECT_EQ(slots[0].variable, NoVariable);
    EXPECT_EQ(slots[1].variable, NoVariable);
    EXPECT_EQ(slots[2].variable, NoVariable);
    EXPECT_EQ(slots[3].variable, Solar);
    EXPECT_EQ(slots[3].unit, -1);
    EXPECT_EQ(slots[3].unitItems.size(), 3u);
}

TEST(ApplySettingsLines, BadOrMissingNumbersStopWithTheSelectionsMadeSoFar) {
    ColumnSlots slots;
    std::string rows = "4";
    Lines badVariable = {"3", "1\t2\tx\t4\t5\t6\t7\t8\t9\t10\t11\t12\t", allNone};
    try {
        applySettingsLines(badVariable, 0, "TemplateSettings.clx", rows, slots);
        FAIL() << "no error";
    } catch (const TemplateFormatError& e) {
        EXPECT_STREQ(e.what(), "Invalid numeric input in \"TemplateSettings.clx\": \"x\".");
    }
    EXPECT_EQ(rows, "3");
    EXPECT_EQ(slots[0].variable, Year);
    EXPECT_EQ(slots[1].variable, Month);
    EXPECT_EQ(slots[2].variable, NoVariable);

    // A rows line that is no count leaves the rows box alone; settings that
    // end early are an error too.
    const std::vector<Lines> broken = {{"abc", allNone, allNone}, {"-2", allNone, allNone},
                                       {"1.5", allNone, allNone}, {"3", allNone},
                                       {"3", allNone, "1\t2\t"},  {}};
    for (const Lines& lines : broken) {
        std::string untouched = "4";
        EXPECT_THROW(applySettingsLines(lines, 0, "T", untouched, slots), TemplateFormatError)
            << ::testing::PrintToString(lines);
        if (lines.empty() || lines[0] != "3") {
            EXPECT_EQ(untouched, "4");
        }
    }
}
