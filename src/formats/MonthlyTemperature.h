#pragma once

#include "formats/DailyWeather.h"

#include <optional>
#include <vector>

namespace climora {

// The annual temperature pair both crop models want, from the calendar
// months the data cover (days of the same month in several years pooled).
// A day's temperature is the mean of its maximum and minimum.
struct AnnualTemperature {
    double average = 0;             // mean of the monthly means
    double warmestMinusColdest = 0; // warmest monthly mean less the coldest
};

// Nothing when there are no days.
std::optional<AnnualTemperature> annualTemperature(const std::vector<DailyWeather>& days);

// Month (1-12) of a day of the year; days past the year's end count as December.
int monthOfDayOfYear(int year, int dayOfYear);

} // namespace climora
