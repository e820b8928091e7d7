#pragma once

#include <optional>
#include <string>
#include <vector>

namespace climora {

// One converted day in the units every crop-model layout starts from.
struct DailyWeather {
    int year = 0;
    int dayOfYear = 0;
    double solar = 0;                       // MJ/m2/d
    double maxTemperature = 0;              // oC
    double minTemperature = 0;              // oC
    double precipitation = 0;               // mm
    std::optional<double> relativeHumidity; // %
    std::optional<double> windSpeed;        // m/s at the wind height
    std::optional<double> dewPoint;         // oC
};

// Where the data were measured. Latitude south negative; longitude as
// Climora's site line keeps it, west positive; elevation in metres.
struct WeatherStation {
    std::string code; // four letters
    std::optional<double> latitude;
    std::optional<double> longitude;
    std::optional<double> elevation;
    double temperatureHeight = 2; // m
    double windHeight = 2;        // m
};

} // namespace climora
