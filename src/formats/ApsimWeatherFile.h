#pragma once

#include "formats/DailyWeather.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

inline constexpr std::string_view apsimWeatherFilter = "APSIM weather file (*.met)";

// A layout that cannot be written from what is known; the text says why.
struct LayoutRefused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The APSIM weather file: "[weather.met.weather]", the constants latitude,
// longitude (east positive, when known), tav (mean of the monthly means) and
// amp (warmest less coldest monthly mean), an empty line, the names line
// "year day radn maxt mint rain" plus vp (hPa, from the dew point), wind
// (m/s) and rh (%) when every day has them, the units line and one
// space-separated line per day. Lines without line ends. APSIM needs the
// latitude: without it LayoutRefused is thrown.
std::vector<std::string> apsimWeatherLines(const std::vector<DailyWeather>& days,
                                           const WeatherStation& station);

} // namespace climora
