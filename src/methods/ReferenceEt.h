#pragma once

namespace climora {

// Daily reference evapotranspiration by the Penman-Monteith combination as
// FAO-56 (Allen et al. 1998) and ASCE-EWRI (2005) standardize it.

enum class ReferenceSurface {
    FaoGrass,  // FAO-56 ET0, eq. 6
    AsceShort, // ETos: clipped grass, Cn 900, Cd 0.34
    AsceTall,  // ETrs: alfalfa, Cn 1600, Cd 0.38
};

// The numerator and denominator constants of the surface (daily step).
struct ReferenceConstants {
    double cn = 0;
    double cd = 0;
};
ReferenceConstants referenceConstantsOf(ReferenceSurface surface);

// Wind heights at or below this are refused by the callers: the logarithmic
// profile is not meant for them.
inline constexpr double lowestWindHeight = 0.5;

// Wind speed at 2 m from one measured at `height` metres (FAO-56 eq. 47);
// a speed measured at 2 m is returned as it is.
double windAtTwoMetres(double speed, double height);

// Saturation vapour pressure (kPa) at `temperature` (oC), FAO-56 eq. 11; at
// the dew point it is the actual vapour pressure (eq. 14).
double vapourPressureAt(double temperature);
inline double vapourPressureFromDewPoint(double dewPoint) {
    return vapourPressureAt(dewPoint);
}

// Mean atmospheric pressure (kPa) at `elevation` metres, FAO-56 eq. 7.
double atmosphericPressure(double elevation);

// Extraterrestrial radiation (MJ m-2 d-1) of `dayOfYear` at `latitude`
// degrees (south negative), FAO-56 eq. 21 to 25.
double extraterrestrialRadiation(double latitude, int dayOfYear);

// One day's weather at 2 m.
struct ReferenceWeather {
    double maxTemperature = 0; // oC
    double minTemperature = 0; // oC
    double solar = 0;          // Rs, MJ m-2 d-1
    double windSpeed = 0;      // u2, m/s
    double vapourPressure = 0; // ea, kPa
};

struct ReferenceSite {
    double latitude = 0;  // degrees, south negative
    double elevation = 0; // m
};

// The terms of one day, in the order they are computed; `et` in mm/d.
struct ReferenceEtDay {
    double pressure = 0;
    double psychrometric = 0;
    double slope = 0;      // Delta at the mean temperature
    double saturation = 0; // es, mean of e(Tmax) and e(Tmin)
    double ra = 0;
    double rso = 0; // (0.75 + 2e-5 z) Ra
    double rns = 0; // 0.77 Rs
    double rnl = 0;
    double rn = 0;
    double et = 0;
};

// Soil heat flux is 0 for a day. Rs/Rso is limited to 1 (and, for the ASCE
// surfaces, to at least 0.3) in the cloudiness function.
ReferenceEtDay referenceEtDay(ReferenceSurface surface, const ReferenceSite& site, int dayOfYear,
                              const ReferenceWeather& weather);

} // namespace climora
