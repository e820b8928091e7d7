#include "formats/DssatWeatherFile.h"

#include "formats/LayoutText.h"
#include "formats/MonthlyTemperature.h"

#include <algorithm>
#include <optional>

namespace climora {
namespace {

constexpr double kilometresPerDayPerMetrePerSecond = 86.4;

struct OptionalColumns {
    bool dewPoint = false;
    bool wind = false;
    bool humidity = false;
};

OptionalColumns optionalColumnsOf(const std::vector<DailyWeather>& days) {
    auto any = [&](auto has) { return std::any_of(days.begin(), days.end(), has); };
    return {any([](const DailyWeather& d) { return d.dewPoint.has_value(); }),
            any([](const DailyWeather& d) { return d.windSpeed.has_value(); }),
            any([](const DailyWeather& d) { return d.relativeHumidity.has_value(); })};
}

std::string field(std::optional<double> value, int width, int decimals) {
    return fixedField(value.value_or(missingValue), width, decimals);
}

std::string stationLine(const std::vector<DailyWeather>& days, const WeatherStation& station) {
    std::optional<AnnualTemperature> annual = annualTemperature(days);
    std::optional<double> east;
    if (station.longitude)
        east = -*station.longitude;
    std::optional<double> average, amplitude;
    if (annual) {
        average = annual->average;
        amplitude = annual->warmestMinusColdest / 2;
    }
    return "  " + station.code + field(station.latitude, 9, 3) + field(east, 9, 3) +
           field(station.elevation, 6, 0) + field(average, 6, 1) + field(amplitude, 6, 1) +
           field(station.temperatureHeight, 6, 1) + field(station.windHeight, 6, 1);
}

std::string dayLine(const DailyWeather& day, const OptionalColumns& columns) {
    std::string line = std::to_string(day.year * 1000 + day.dayOfYear);
    line.insert(0, line.size() < 7 ? 7 - line.size() : 0, ' ');
    line += fixedField(day.solar, 6, 1) + fixedField(day.maxTemperature, 6, 1) +
            fixedField(day.minTemperature, 6, 1) + fixedField(day.precipitation, 6, 1);
    if (columns.dewPoint)
        line += field(day.dewPoint, 6, 1);
    if (columns.wind) {
        std::optional<double> run;
        if (day.windSpeed)
            run = *day.windSpeed * kilometresPerDayPerMetrePerSecond;
        line += field(run, 6, 1);
    }
    if (columns.humidity)
        line += field(day.relativeHumidity, 6, 1);
    return line;
}

} // namespace

std::vector<std::string> dssatWeatherLines(const std::vector<DailyWeather>& days,
                                           const WeatherStation& station, std::string_view title) {
    OptionalColumns columns = optionalColumnsOf(days);
    std::string names = "@  DATE  SRAD  TMAX  TMIN  RAIN";
    if (columns.dewPoint)
        names += "  DEWP";
    if (columns.wind)
        names += "  WIND";
    if (columns.humidity)
        names += "  RHUM";
    std::vector<std::string> lines = {"$WEATHER DATA : " + std::string(title), "",
                                      "@ INSI      LAT     LONG  ELEV   TAV   AMP REFHT WNDHT",
                                      stationLine(days, station), names};
    for (const DailyWeather& day : days)
        lines.push_back(dayLine(day, columns));
    return lines;
}

} // namespace climora
