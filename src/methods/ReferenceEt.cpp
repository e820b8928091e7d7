#include "methods/ReferenceEt.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace climora {
namespace {

constexpr double solarConstant = 0.0820;     // MJ m-2 min-1
constexpr double stefanBoltzmann = 4.903e-9; // MJ K-4 m-2 d-1
constexpr double inverseLatentHeat = 0.408;  // 1 / 2.45 MJ kg-1
constexpr double kelvinOffset = 273.16;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

double slopeOfVapourPressure(double temperature) {
    double t = temperature + 237.3;
    return 4098 * vapourPressureAt(temperature) / (t * t);
}

double netLongwave(const ReferenceWeather& weather, double rso, ReferenceSurface surface) {
    double lowest = surface == ReferenceSurface::FaoGrass ? 0.0 : 0.3;
    double relative = rso > 0 ? std::clamp(weather.solar / rso, lowest, 1.0) : 1.0;
    double tMax = std::pow(weather.maxTemperature + kelvinOffset, 4);
    double tMin = std::pow(weather.minTemperature + kelvinOffset, 4);
    return stefanBoltzmann * (tMax + tMin) / 2 * (0.34 - 0.14 * std::sqrt(weather.vapourPressure)) *
           (1.35 * relative - 0.35);
}

} // namespace

ReferenceConstants referenceConstantsOf(ReferenceSurface surface) {
    if (surface == ReferenceSurface::AsceTall)
        return {1600, 0.38};
    return {900, 0.34};
}

double windAtTwoMetres(double speed, double height) {
    if (height == 2)
        return speed;
    return speed * 4.87 / std::log(67.8 * height - 5.42);
}

double vapourPressureAt(double temperature) {
    return 0.6108 * std::exp(17.27 * temperature / (temperature + 237.3));
}

double atmosphericPressure(double elevation) {
    return 101.3 * std::pow((293 - 0.0065 * elevation) / 293, 5.26);
}

double extraterrestrialRadiation(double latitude, int dayOfYear) {
    double phi = radians(latitude);
    double yearAngle = 2 * std::numbers::pi * dayOfYear / 365;
    double distance = 1 + 0.033 * std::cos(yearAngle);
    double declination = 0.409 * std::sin(yearAngle - 1.39);
    double sunset = std::acos(std::clamp(-std::tan(phi) * std::tan(declination), -1.0, 1.0));
    return 24 * 60 / std::numbers::pi * solarConstant * distance *
           (sunset * std::sin(phi) * std::sin(declination) +
            std::cos(phi) * std::cos(declination) * std::sin(sunset));
}

ReferenceEtDay referenceEtDay(ReferenceSurface surface, const ReferenceSite& site, int dayOfYear,
                              const ReferenceWeather& weather) {
    ReferenceEtDay day;
    double mean = (weather.maxTemperature + weather.minTemperature) / 2;
    day.pressure = atmosphericPressure(site.elevation);
    day.psychrometric = 0.000665 * day.pressure;
    day.slope = slopeOfVapourPressure(mean);
    day.saturation =
        (vapourPressureAt(weather.maxTemperature) + vapourPressureAt(weather.minTemperature)) / 2;
    day.ra = extraterrestrialRadiation(site.latitude, dayOfYear);
    day.rso = (0.75 + 2e-5 * site.elevation) * day.ra;
    day.rns = 0.77 * weather.solar;
    day.rnl = netLongwave(weather, day.rso, surface);
    day.rn = day.rns - day.rnl;
    ReferenceConstants constants = referenceConstantsOf(surface);
    double aerodynamic = day.psychrometric * constants.cn / (mean + 273) * weather.windSpeed *
                         (day.saturation - weather.vapourPressure);
    day.et = (inverseLatentHeat * day.slope * day.rn + aerodynamic) /
             (day.slope + day.psychrometric * (1 + constants.cd * weather.windSpeed));
    return day;
}

} // namespace climora
