#include "formats/ApsimWeatherFile.h"

#include "formats/LayoutText.h"
#include "formats/MonthlyTemperature.h"
#include "methods/ReferenceEt.h"

#include <algorithm>

namespace climora {
namespace {

constexpr double hectopascalsPerKilopascal = 10;

struct OptionalColumns {
    bool vapourPressure = false;
    bool wind = false;
    bool humidity = false;
};

// APSIM has no missing value: a column is written only when every day has it.
OptionalColumns optionalColumnsOf(const std::vector<DailyWeather>& days) {
    auto all = [&](auto has) {
        return !days.empty() && std::all_of(days.begin(), days.end(), has);
    };
    return {all([](const DailyWeather& d) { return d.dewPoint.has_value(); }),
            all([](const DailyWeather& d) { return d.windSpeed.has_value(); }),
            all([](const DailyWeather& d) { return d.relativeHumidity.has_value(); })};
}

std::vector<std::string> constantLines(const std::vector<DailyWeather>& days,
                                       const WeatherStation& station) {
    std::vector<std::string> lines = {"[weather.met.weather]"};
    lines.push_back("latitude = " + fixedText(*station.latitude, 3) + " (DECIMAL DEGREES)");
    if (station.longitude)
        lines.push_back("longitude = " + fixedText(-*station.longitude, 3) + " (DECIMAL DEGREES)");
    std::optional<AnnualTemperature> annual = annualTemperature(days);
    if (annual) {
        lines.push_back("tav = " + fixedText(annual->average, 2) +
                        " (oC) ! annual average ambient temperature");
        lines.push_back("amp = " + fixedText(annual->warmestMinusColdest, 2) +
                        " (oC) ! annual amplitude in mean monthly temperature");
    }
    lines.emplace_back();
    return lines;
}

std::string dayLine(const DailyWeather& day, const OptionalColumns& columns) {
    std::string line = std::to_string(day.year) + ' ' + std::to_string(day.dayOfYear) + ' ' +
                       fixedText(day.solar, 2) + ' ' + fixedText(day.maxTemperature, 1) + ' ' +
                       fixedText(day.minTemperature, 1) + ' ' + fixedText(day.precipitation, 1);
    if (columns.vapourPressure)
        line += ' ' +
                fixedText(vapourPressureFromDewPoint(*day.dewPoint) * hectopascalsPerKilopascal, 2);
    if (columns.wind)
        line += ' ' + fixedText(*day.windSpeed, 2);
    if (columns.humidity)
        line += ' ' + fixedText(*day.relativeHumidity, 0);
    return line;
}

} // namespace

std::vector<std::string> apsimWeatherLines(const std::vector<DailyWeather>& days,
                                           const WeatherStation& station) {
    if (!station.latitude)
        throw LayoutRefused("An APSIM weather file needs the site's latitude.");
    OptionalColumns columns = optionalColumnsOf(days);
    std::vector<std::string> lines = constantLines(days, station);
    std::string names = "year day radn maxt mint rain";
    std::string units = "() () (MJ/m^2) (oC) (oC) (mm)";
    if (columns.vapourPressure) {
        names += " vp";
        units += " (hPa)";
    }
    if (columns.wind) {
        names += " wind";
        units += " (m/s)";
    }
    if (columns.humidity) {
        names += " rh";
        units += " (%)";
    }
    lines.push_back(names);
    lines.push_back(units);
    for (const DailyWeather& day : days)
        lines.push_back(dayLine(day, columns));
    return lines;
}

} // namespace climora
