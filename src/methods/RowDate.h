#pragma once

#include "pipeline/WeatherRecord.h"

#include <optional>

namespace climora {

inline constexpr const char* dateMissingText =
    "Date is missing. Check the input data and try again.";

// The day of year of a data row: its own day of year when above 0, else the
// day of its year, month and day when all three are above 0 and form a date;
// otherwise nothing (the caller reports dateMissingText).
std::optional<int> rowDayOfYear(const WeatherRecord& record);

} // namespace climora
