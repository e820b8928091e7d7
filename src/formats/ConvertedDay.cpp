#include "formats/ConvertedDay.h"

#include "pipeline/Conversion.h"
#include "pipeline/UnitFactors.h"

namespace climora {
namespace {

double celsiusOf(double value, TemperatureScale scale) {
    if (scale == TemperatureScale::Fahrenheit)
        return (value - 32) / 1.8;
    return scale == TemperatureScale::Celsius ? value : 0;
}

} // namespace

DailyWeather dailyWeatherOf(const WeatherRecord& record, int dayOfYear, const ColumnSpec& spec) {
    TemperatureScale scale = temperatureScaleOf(spec.unitOf(TMax));
    DailyWeather day;
    day.year = record.year;
    day.dayOfYear = dayOfYear;
    day.solar = record.value(Solar) * conversionUnitSolar(spec.unitOf(Solar));
    day.maxTemperature = celsiusOf(record.value(TMax), scale);
    day.minTemperature = celsiusOf(record.value(TMin), scale);
    day.precipitation = record.value(Precip) * conversionUnitForWater(spec.unitOf(Precip));
    if (record.has(RelHum))
        day.relativeHumidity = record.value(RelHum);
    if (record.has(Dewpoint))
        day.dewPoint = celsiusOf(record.value(Dewpoint), temperatureScaleOf(spec.unitOf(Dewpoint)));
    if (record.has(WndSpd))
        day.windSpeed = record.value(WndSpd) * conversionUnitWS(spec.unitOf(WndSpd));
    return day;
}

} // namespace climora
