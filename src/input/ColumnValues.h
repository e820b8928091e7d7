#pragma once

#include <string>
#include <vector>

namespace climora {

// A column's values as the first data rows give them.
struct ColumnStats {
    std::size_t count = 0;
    double min = 0;
    double max = 0;
    double mean = 0;
    double zeroShare = 0;
    bool integers = true;
    bool hundredths = false; // some value has a second decimal (0.12)
    bool stepsByOne = false; // most neighbours differ by one (a day count)
};

ColumnStats statsOf(const std::vector<double>& values);

// The best unit of the program's list for a measured variable whose name
// gives none. Temperatures: "oF" when `fahrenheit` (decided for all
// temperature columns together, see looksFahrenheit).
std::string unitByValues(int variable, const ColumnStats& stats, bool fahrenheit);
bool looksFahrenheit(int variable, const ColumnStats& stats);

// A date variable (Year, Month, Day, DOY, YYDOY) whose values fit, judged
// with the variable of the column before; -1 when none fits.
int dateVariableByValues(const ColumnStats& stats, int previousVariable);

// Year, Month and Day for a date written in three numbers, in their order
// (2020-01-31, 01/31/2020 or 31.01.2020).
std::vector<int> dateOrder(const ColumnStats& first, const ColumnStats& second,
                           const ColumnStats& third);

} // namespace climora
