#pragma once

#include "methods/SolarGeometry.h"

namespace climora {

// Saturation vapour pressure (kPa) at temperature t (degrees Celsius).
double saturationVapourPressure(double t);

// What depends only on the site's elevation z (m).
struct PenmanMonteithSite {
    double pressure = 0;      // P, kPa
    double psychrometric = 0; // gamma, kPa per degree
};
PenmanMonteithSite penmanMonteithSite(double elevation);

// One day's weather in the units of the equation.
struct PenmanMonteithWeather {
    double rs = 0;   // solar radiation, MJ m-2 d-1
    double tMax = 0; // degrees Celsius
    double tMin = 0;
    double relativeHumidity = 0; // %
    double windSpeed = 0;        // u2, m/s
};

// Every intermediate of one day, in the order they are computed.
struct PenmanMonteithDay {
    double es = 0;    // mean saturation vapour pressure, kPa
    double delta = 0; // slope of the vapour pressure curve, kPa per degree
    double ea = 0;    // actual vapour pressure, kPa
    double deficit = 0;
    double rns = 0;
    double rso = 0;
    double rnl = 0;
    double rn = 0;
    double et0 = 0; // grass reference, mm/d
    double etr = 0; // alfalfa reference 1.3 * ET0, at least 0.001
};

// The FAO Penman-Monteith day; `day` is the solar geometry of the day with
// the default Angstrom pair (Rso = 0.75 Ra).
PenmanMonteithDay penmanMonteithDay(const PenmanMonteithSite& site, const DayGeometry& day,
                                    const PenmanMonteithWeather& weather);

inline constexpr const char* penmanMonteithAppendedText =
    "Reference ET (last column, mm) estimated by FAO Penman-Monteith method.";
inline constexpr const char* penmanMonteithConvertText =
    "Reference ET estimated by FAO Penman-Monteith method.";

} // namespace climora
