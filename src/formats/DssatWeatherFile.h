#pragma once

#include "formats/DailyWeather.h"

#include <string>
#include <string_view>
#include <vector>

namespace climora {

inline constexpr std::string_view dssatWeatherFilter = "DSSAT weather file (*.WTH)";

// The DSSAT daily weather file: the "$WEATHER DATA : title" line (the "$"
// tells DSSAT the dates have four-digit years), an empty line, the station
// header and line (INSI, latitude, longitude east positive, elevation, TAV,
// AMP = half the warmest-coldest monthly mean difference, REFHT, WNDHT), then
// "@  DATE  SRAD  TMAX  TMIN  RAIN" and, when any day has them, DEWP (oC),
// WIND (km/d) and RHUM (%). Dates are YYYYDDD in 7 columns, every value
// right-aligned in 6; a value not known is -99. Lines without line ends.
std::vector<std::string> dssatWeatherLines(const std::vector<DailyWeather>& days,
                                           const WeatherStation& station, std::string_view title);

} // namespace climora
