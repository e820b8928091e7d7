#include "formats/MonthlyTemperature.h"

#include "pipeline/Calendar.h"

#include <algorithm>
#include <array>

namespace climora {

int monthOfDayOfYear(int year, int dayOfYear) {
    int month = 1;
    while (month < 12 && dayOfYear >= *dayOfYearOf(year, month + 1, 1))
        ++month;
    return month;
}

std::optional<AnnualTemperature> annualTemperature(const std::vector<DailyWeather>& days) {
    std::array<double, 12> sums{};
    std::array<int, 12> counts{};
    for (const DailyWeather& day : days) {
        int m = monthOfDayOfYear(day.year, day.dayOfYear) - 1;
        sums[m] += (day.maxTemperature + day.minTemperature) / 2;
        ++counts[m];
    }
    std::vector<double> means;
    for (int m = 0; m < 12; ++m)
        if (counts[m] > 0)
            means.push_back(sums[m] / counts[m]);
    if (means.empty())
        return std::nullopt;
    double total = 0;
    for (double mean : means)
        total += mean;
    auto [coldest, warmest] = std::minmax_element(means.begin(), means.end());
    return AnnualTemperature{total / static_cast<double>(means.size()), *warmest - *coldest};
}

} // namespace climora
