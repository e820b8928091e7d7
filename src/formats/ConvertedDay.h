#pragma once

#include "formats/DailyWeather.h"
#include "input/ColumnSpec.h"
#include "pipeline/WeatherRecord.h"

namespace climora {

// A data row in the units of the crop-model layouts, converted with the same
// factors as the Agrovia conversion: solar MJ/m2/d, temperatures oC,
// precipitation mm, wind m/s. Humidity and wind are given when the run's
// columns hold them.
DailyWeather dailyWeatherOf(const WeatherRecord& record, int dayOfYear, const ColumnSpec& spec);

} // namespace climora
