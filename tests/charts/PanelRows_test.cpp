#include "charts/OutputRows.h"
#include "charts/PanelRows.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace climora;

namespace {

// Slots from "Variable:unit" names, as the batch front end spells them.
ColumnSpec specOf(std::vector<std::pair<int, std::string>> columns) {
    ColumnSlots slots;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        slots.chooseVariable(int(k), columns[k].first);
        const std::vector<std::string>& units = slots[int(k)].unitItems;
        for (std::size_t u = 0; u < units.size(); ++u)
            if (units[u] == columns[k].second)
                slots[int(k)].unit = int(u);
    }
    return chartColumnSpec(slots);
}

PanelReading readingOf(long long rowsBeforeData, std::optional<int> missingSign = {}) {
    PanelReading reading;
    reading.rowsBeforeData = rowsBeforeData;
    reading.missingSign = missingSign;
    return reading;
}

std::vector<double> valuesOf(const ChartTable& table, SeriesKind kind) {
    const DatedSeries* series = table.find(kind);
    return series ? series->values : std::vector<double>{};
}

} // namespace

TEST(PanelRows, DatesFromEachDateForm) {
    struct Case {
        const char* name;
        ColumnSpec spec;
        std::string line;
    };
    const Case cases[] = {
        {"year and DOY", specOf({{Year, ""}, {DOY, ""}, {TMax, "oC"}}), "2015 60 10"},
        {"year month day", specOf({{Year, ""}, {Month, ""}, {Day, ""}, {TMax, "oC"}}),
         "2015,3,1,10"},
        {"YYDOY", specOf({{YYDOY, ""}, {TMax, "oC"}}), "15060\t10"},
        {"DOY before date", specOf({{Year, ""}, {Month, ""}, {Day, ""}, {DOY, ""}, {TMax, "oC"}}),
         "2015 1 1 60 10"},
    };
    for (const Case& c : cases) {
        ChartTable table = chartPanelRows({"header", c.line}, c.spec, readingOf(1));
        ASSERT_EQ(table.rowCount(), 1u) << c.name;
        EXPECT_EQ(isoDate(table.days[0]), "2015-03-01") << c.name;
        EXPECT_EQ(table.lines[0], 1) << c.name;
    }
}

TEST(PanelRows, ConvertsUnitsToTheChartUnits) {
    struct Case {
        int variable;
        const char* unit;
        double raw;
        SeriesKind kind;
        double shown;
    };
    const Case cases[] = {
        {Solar, "Langley", 1000, SeriesKind::Solar, 41.86},
        {Solar, "W/m2", 300, SeriesKind::Solar, 25.92},
        {TMax, "oF", 50, SeriesKind::TMax, 10},
        {TMin, "oF", 14, SeriesKind::TMin, -10},
        {SoilT, "oF", 212, SeriesKind::SoilT, 100},
        {Precip, "inch", 0.5, SeriesKind::Precip, 12.7},
        {ET, "cm", 1.2, SeriesKind::ET, 12},
        {WndSpd, "km/hr", 36, SeriesKind::WndSpd, 10},
        {RelHum, "%", 71.2, SeriesKind::RelHum, 71.2},
    };
    for (const Case& c : cases) {
        ColumnSpec spec = specOf({{Year, ""}, {DOY, ""}, {c.variable, c.unit}});
        std::string line = "2015 1 " + std::to_string(c.raw);
        ChartTable table = chartPanelRows({line}, spec, readingOf(0));
        std::vector<double> values = valuesOf(table, c.kind);
        ASSERT_EQ(values.size(), 1u) << c.unit;
        EXPECT_NEAR(values[0], c.shown, 1e-9) << c.unit;
    }
}

TEST(PanelRows, SkipsAndCountsLinesThatHoldNoDatedRow) {
    ColumnSpec spec = specOf({{Year, ""}, {DOY, ""}, {Precip, "mm"}});
    std::vector<std::string> lines = {
        "2015 1 3",  "station notes follow", "",    "2015 2",           "0 3 1", "2015 400 1",
        "1.2.3 4 5", "2015 3 -99",           "   ", "2015 4 7 extra 9",
    };
    ChartTable table = chartPanelRows(lines, spec, readingOf(0, -99));
    EXPECT_EQ(table.lines, (std::vector<long long>{0, 7, 9}));
    EXPECT_EQ(table.skippedLines, 5);
    std::vector<double> precip = valuesOf(table, SeriesKind::Precip);
    EXPECT_EQ(precip[0], 3);
    EXPECT_TRUE(std::isnan(precip[1])) << "the missing-value sign is a gap";
    EXPECT_EQ(precip[2], 7);
}

TEST(PanelRows, LeavesOutVariablesWithoutAKnownUnitAndPanelsWithoutSlots) {
    ColumnSpec noUnit = specOf({{Year, ""}, {DOY, ""}, {Solar, ""}, {TMax, "oC"}});
    ChartTable table = chartPanelRows({"2015 1 20 5"}, noUnit, readingOf(0));
    ASSERT_EQ(table.series.size(), 1u);
    EXPECT_EQ(table.series[0].kind, SeriesKind::TMax);

    EXPECT_EQ(chartPanelRows({"2015 1 20 5"}, ColumnSpec{}, readingOf(0)).rowCount(), 0u);
}

TEST(OutputRows, ReadsTheWeatherLayoutWithItsSiteLatitude) {
    std::vector<std::string> lines = {
        "Station FALN",
        "39.4575\t118.7739\t1208.5",
        "Year\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET",
        "\t\tMJ/m2\toC\toC\t%\tmm\tmm",
        "2015\t1\t9.41\t-0.2\t-17.7\t0\t0.0\t0.0",
        "2015\t2\t9.33\t3.0\t-16.0\t0\t1.5\t0.0",
    };
    EXPECT_EQ(outputKind(lines), OutputKind::Agrovia);
    ChartTable table = chartOutputRows(lines, ColumnSpec{}, {});
    ASSERT_EQ(table.rowCount(), 2u);
    EXPECT_EQ(table.lines, (std::vector<long long>{4, 5}));
    EXPECT_EQ(table.skippedLines, 0);
    ASSERT_TRUE(table.latitude);
    EXPECT_DOUBLE_EQ(*table.latitude, 39.4575);
    std::vector<SeriesKind> kinds;
    for (const DatedSeries& s : table.series)
        kinds.push_back(s.kind);
    EXPECT_EQ(kinds, (std::vector<SeriesKind>{SeriesKind::Solar, SeriesKind::TMax, SeriesKind::TMin,
                                              SeriesKind::Precip}))
        << "columns the run had no data for (all 0) are left out";
    EXPECT_EQ(valuesOf(table, SeriesKind::Precip)[1], 1.5);
}

TEST(OutputRows, TellsEstimatesFromMeasuredValues) {
    ColumnSpec spec = specOf({{Year, ""}, {DOY, ""}, {ET, "mm"}});
    std::vector<std::string> appended = {
        "Reference ET (last column, mm) estimated by FAO Penman-Monteith method.header",
        "2015 1 1.5\t2.1", "2015 2 1.7\t"};
    ChartTable table = chartOutputRows(appended, spec, readingOf(0));
    EXPECT_EQ(valuesOf(table, SeriesKind::ET), (std::vector<double>{1.5}));
    EXPECT_EQ(valuesOf(table, SeriesKind::EstimatedET), (std::vector<double>{2.1}));
    EXPECT_EQ(table.skippedLines, 1) << "a row the estimate never reached";

    std::vector<std::string> converted = {
        "Solar radiation estimated from T-max and T-min using the FAO method. x", "45",
        "Year\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET", "\t\tMJ/m2\toC\toC\t%\tmm\tmm",
        "2015\t1\t9.41\t3.0\t-1.0\t0\t0.0\t0.0"};
    ChartTable agrovia = chartOutputRows(converted, ColumnSpec{}, {});
    EXPECT_EQ(valuesOf(agrovia, SeriesKind::EstimatedSolar), (std::vector<double>{9.41}));
    EXPECT_EQ(agrovia.find(SeriesKind::Solar), nullptr);
}
