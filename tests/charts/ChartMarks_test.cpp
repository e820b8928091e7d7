#include "charts/ChartMarks.h"

#include <gtest/gtest.h>

using namespace climora;

namespace {

ChartTable tableOf(std::vector<std::pair<int, int>> dates) {
    ChartTable table;
    long long line = 3;
    for (auto [year, doy] : dates) {
        table.days.push_back(daysSinceEpoch(year, doy));
        table.lines.push_back(line++);
    }
    return table;
}

std::vector<std::size_t> rowsOf(const std::vector<RowMark>& marks) {
    std::vector<std::size_t> rows;
    for (const RowMark& m : marks)
        rows.push_back(m.row);
    return rows;
}

} // namespace

TEST(ChartMarks, ReadsTheDatesOfCheckupReportsInBothModes) {
    struct Case {
        std::vector<std::string> report;
        std::vector<std::pair<int, int>> expected; // year, day of year
    };
    const std::string title = "Report of weather data checkup.";
    const std::string edit = "Input data can be edited directly in the input data panel.";
    const Case cases[] = {
        {{title, edit, "", "Suspicious data are spotted on (year / DOY):", "\t2005 / 32",
          "\t2004 / 366"},
         {{2005, 32}, {2004, 366}}},
        {{title, edit, "", "Suspicious data are spotted on (year / month / day):", "\t2015 / 3 / 1",
          "\t2015 / 2 / 30", "\tnot a date"},
         {{2015, 60}}},
        {{title, edit, "", "Suspicious data are spotted on (year / DOY):"}, {}},
    };
    for (const Case& c : cases) {
        std::vector<long long> expected;
        for (auto [year, doy] : c.expected)
            expected.push_back(daysSinceEpoch(year, doy));
        EXPECT_EQ(checkupReportDays(c.report), expected) << c.report[3];
    }
    EXPECT_FALSE(checkupReportDays({"Year\tDOY", "2015 1", "", ""}));
}

TEST(ChartMarks, MarksReportedDaysGivenLinesAndStepBacks) {
    ChartTable table = tableOf({{2015, 1}, {2015, 2}, {2015, 5}, {2015, 3}, {2015, 3}});
    std::vector<LineMark> marks = linesOnDays(table, {daysSinceEpoch(2015, 3)}, checkupReason);
    EXPECT_EQ(marks.size(), 2u) << "both rows of the repeated day";
    marks.push_back({4, "Plausibility note"});  // line 4 is row 1
    marks.push_back({99, "Plausibility note"}); // not a dated row

    std::vector<RowMark> rows = markRows(table, marks);
    EXPECT_EQ(rowsOf(rows), (std::vector<std::size_t>{1, 3, 4}));
    EXPECT_EQ(rows[0].reason, "Plausibility note");
    EXPECT_EQ(rows[1].reason, std::string(checkupReason) + "; " + stepBackReason);
    EXPECT_EQ(rows[2].reason, checkupReason);
}

TEST(ChartMarks, ASingleRowHasNoStepBack) {
    EXPECT_TRUE(markRows(tableOf({{2015, 10}}), {}).empty());
}

TEST(ChartMarks, NotesMarkTheirInputLinesAndTheOutputRowsOfTheSameDays) {
    // Input rows on lines 3..5 (0-based); the output holds days 2 and 3 twice
    // and day 1 not at all, on lines 3..6.
    ChartTable input = tableOf({{2015, 1}, {2015, 2}, {2015, 3}});
    ChartTable output = tableOf({{2015, 2}, {2015, 3}, {2015, 3}, {2015, 4}});
    std::vector<Note> notes = {{"precipitation", {5, 6}}, {"whole file", {}}, {"late", {99}}};
    std::vector<LineMark> marks = noteMarks(notes);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].line, 4) << "input line 5 is panel line 4";

    struct Case {
        LineMark mark;
        std::vector<long long> outputLines;
    };
    const Case cases[] = {
        {{3, "day 1"}, {}},
        {{4, "day 2"}, {3}},
        {{5, "day 3"}, {4, 5}},
        {{99, "no row"}, {}},
    };
    for (const Case& c : cases) {
        std::vector<long long> lines;
        for (const LineMark& moved : marksOnSameDays(input, {c.mark}, output)) {
            lines.push_back(moved.line);
            EXPECT_EQ(moved.reason, c.mark.reason);
        }
        EXPECT_EQ(lines, c.outputLines) << c.mark.reason;
    }
}
