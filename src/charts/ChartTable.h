#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace climora {

// What a series shows; the chart window draws each kind its own way.
enum class SeriesKind {
    Solar,
    TMax,
    TMin,
    Precip,
    RelHum,
    WndSpd,
    SoilT,
    ET,
    EstimatedET,
    EstimatedSolar,
    PanEvap,
    SunHr,
    SunHrPercent,
};

// One variable over the rows of a table, in the chart's units; a row
// without a value for it holds NaN.
struct DatedSeries {
    SeriesKind kind;
    std::string name; // "T-max", "ET (estimate)", ...
    std::string unit; // "oC", "MJ/m2/d", ...
    std::vector<double> values;
};

// A row the chart marks in red, and why.
struct RowMark {
    std::size_t row;
    std::string reason;
};

// A line of a panel that some check found fault with (0-based line number).
struct LineMark {
    long long line;
    std::string reason;
};

// The dated rows of a panel, in file order: one entry per row in `days`
// (days since 1970-01-01) and `lines` (the row's 0-based panel line), and
// one value per row in each series.
struct ChartTable {
    std::vector<long long> days;
    std::vector<long long> lines;
    std::vector<DatedSeries> series;
    // Lines after the header that held no readable row.
    long long skippedLines = 0;
    // The site's latitude in decimal degrees, when the text or the caller
    // knows it.
    std::optional<double> latitude;

    std::size_t rowCount() const { return days.size(); }
    const DatedSeries* find(SeriesKind kind) const;
};

// Days since 1970-01-01 of day `dayOfYear` of `year` (day 366 of a common
// year runs into the next year, as the count says).
long long daysSinceEpoch(int year, int dayOfYear);
// "2015-03-01" for a day count.
std::string isoDate(long long days);

} // namespace climora
