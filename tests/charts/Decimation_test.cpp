#include "charts/ChartPanels.h"
#include "charts/Decimation.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace climora;

TEST(Decimation, KeepsPeaksMarksAndEndsButFewPoints) {
    std::vector<double> values(100000, 1.0);
    values[12345] = 50;  // a peak
    values[67890] = -40; // a trough
    values[500] = std::nan("");
    std::vector<bool> marked(values.size(), false);
    marked[4242] = true;
    std::vector<std::size_t> rows = drawnRows(values, 0, values.size(), 500, marked);

    EXPECT_LE(rows.size(), 4u * 500 + 1);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
    for (std::size_t row : {std::size_t{0}, std::size_t{12345}, std::size_t{67890},
                            std::size_t{4242}, values.size() - 1})
        EXPECT_TRUE(std::binary_search(rows.begin(), rows.end(), row)) << row;
    EXPECT_FALSE(std::binary_search(rows.begin(), rows.end(), std::size_t{500}));
}

TEST(Decimation, DrawsEveryValueWhenTheyFit) {
    std::vector<double> values = {1, std::nan(""), 3, 4};
    EXPECT_EQ(drawnRows(values, 0, 4, 100, {}), (std::vector<std::size_t>{0, 2, 3}));
    EXPECT_EQ(drawnRows(values, 1, 3, 100, {}), (std::vector<std::size_t>{2}));
}

TEST(Decimation, FindsRowsByDayEvenOutOfOrder) {
    std::vector<long long> days = {10, 11, 15, 12, 20};
    DayIndex index(days);
    struct Case {
        double day;
        std::size_t row;
    };
    for (Case c : {Case{9, 0}, Case{11.4, 1}, Case{12.2, 3}, Case{14, 2}, Case{99, 4}})
        EXPECT_EQ(index.nearest(c.day), c.row) << c.day;
    RowRange range = rowsBetween(days, 11, 12);
    EXPECT_EQ(range.first, 1u);
    EXPECT_EQ(range.last, 4u);
}

TEST(ChartPanels, GroupsSeriesAndAddsClearSkyOfTheRowsDays) {
    ChartTable table;
    table.days = {daysSinceEpoch(2015, 182)};
    for (SeriesKind kind : {SeriesKind::EstimatedET, SeriesKind::TMin, SeriesKind::Precip,
                            SeriesKind::ET, SeriesKind::TMax})
        table.series.push_back({kind, "", "", {1}});
    std::vector<ChartPanel> panels = chartPanels(table);
    ASSERT_EQ(panels.size(), 3u);
    EXPECT_EQ(panels[0].series, (std::vector<std::size_t>{4, 1})) << "T-max, then T-min";
    EXPECT_EQ(panels[1].kind, PanelKind::Precipitation);
    EXPECT_EQ(panels[2].series, (std::vector<std::size_t>{3, 0})) << "measured, then estimate";

    EXPECT_NEAR(clearSkyRadiation(table, 45)[0], 31.241, 5e-4);
}
