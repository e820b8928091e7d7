#include "input/ColumnValues.h"

#include "input/Variables.h"

#include <algorithm>
#include <cmath>

namespace climora {

ColumnStats statsOf(const std::vector<double>& values) {
    ColumnStats stats;
    double sum = 0;
    std::size_t zeros = 0;
    std::size_t ones = 0;
    double previous = std::nan("");
    for (double value : values) {
        if (std::isnan(value))
            continue;
        stats.min = stats.count ? std::min(stats.min, value) : value;
        stats.max = stats.count ? std::max(stats.max, value) : value;
        sum += value;
        zeros += value == 0 ? 1 : 0;
        stats.integers = stats.integers && value == std::round(value);
        stats.hundredths = stats.hundredths || std::abs(value * 10 - std::round(value * 10)) > 1e-6;
        ones += value - previous == 1 ? 1 : 0;
        previous = value;
        ++stats.count;
    }
    if (stats.count == 0)
        return stats;
    stats.mean = sum / static_cast<double>(stats.count);
    stats.zeroShare = static_cast<double>(zeros) / static_cast<double>(stats.count);
    stats.stepsByOne = stats.count > 1 && ones * 10 >= (stats.count - 1) * 8;
    return stats;
}

bool looksFahrenheit(int variable, const ColumnStats& stats) {
    if (variable == TMin)
        return stats.max > 45 || stats.mean > 32;
    return stats.max > 55 || stats.mean > 40;
}

std::string unitByValues(int variable, const ColumnStats& stats, bool fahrenheit) {
    switch (variable) {
    case TMax:
    case TMin:
    case SoilT:
        return fahrenheit ? "oF" : "oC";
    case Solar:
        // Daily totals reach about 35 MJ/m2 or 850 Langley, daily means some 450 W/m2.
        return stats.max <= 45 ? "MJ/m2/d" : stats.max > 500 ? "Langley" : "W/m2";
    case Precip:
        // Inches are written to the hundredth; millimetres to the tenth.
        return stats.max < 4 && stats.hundredths ? "inch" : "mm";
    case ET:
    case PanEvap:
        return stats.max < 1 ? "inch" : "mm";
    case WndSpd:
        return stats.mean > 12 ? "km/hr" : "m/s";
    default:
        return unitsOf(variable).empty() ? "" : unitsOf(variable).front();
    }
}

int dateVariableByValues(const ColumnStats& s, int previous) {
    if (!s.integers || s.count == 0)
        return -1;
    if (s.min >= 1800 && s.max <= 2100)
        return Year;
    if (previous == Year && s.min >= 1 && s.max <= 12 && !s.stepsByOne)
        return Month;
    if (previous == Month && s.min >= 1 && s.max <= 31)
        return Day;
    if (s.min >= 1 && s.max <= 366 && s.stepsByOne)
        return DOY;
    bool dayOfYearPart = std::fmod(s.min, 1000) >= 1 && std::fmod(s.max, 1000) <= 366;
    if (s.min >= 1000 && s.max <= 99366 && dayOfYearPart && s.stepsByOne)
        return YYDOY;
    return -1;
}

std::vector<int> dateOrder(const ColumnStats& first, const ColumnStats& second,
                           const ColumnStats& third) {
    if (first.max > 31)
        return {Year, Month, Day};
    if (third.max > 31 && first.max > 12)
        return {Day, Month, Year};
    if (third.max > 31 && second.max > 12)
        return {Month, Day, Year};
    // Neither the first nor the second number passes 12: month first, as US pages write.
    return third.max > 31 ? std::vector<int>{Month, Day, Year} : std::vector<int>{};
}

} // namespace climora
