#include "methods/SolarGeometry.h"

#include <algorithm>
#include <cmath>

namespace climora {

namespace {

constexpr double pi = 3.141592653589793;
constexpr double dayAngle = 0.01721420632103996;       // 2 pi / 365
constexpr double radiationFactor = 37.586031360582005; // 24 * 60 / pi * 0.0820
constexpr double hoursPerRadian = 7.639437268410976;   // 24 / pi

} // namespace

void getAngstromConstants(int kind, AngstromCoefficients& coefficients) {
    switch (kind) {
    case 0:
        coefficients = {0.25, 0.50};
        break;
    case 1:
        coefficients = {0.18, 0.55};
        break;
    case 2:
        coefficients = {0.25, 0.45};
        break;
    case 3:
        coefficients = {0.29, 0.42};
        break;
    default:
        break;
    }
}

AngstromCoefficients angstromConstantsOf(int kind) {
    AngstromCoefficients coefficients;
    getAngstromConstants(kind, coefficients);
    return coefficients;
}

double latitudeInRadians(double degrees) {
    return degrees * pi / 180;
}

DayGeometry SolarOFclearDay(int dayOfYear, double latitude, double a, double b) {
    const double x = dayOfYear * dayAngle;
    const double dr = 1 + 0.033 * std::cos(x);
    const double declination = 0.409 * std::sin(x - 1.39);
    // Polar night and midnight sun put the cosine outside [-1, 1]: the sun
    // then never rises (angle 0) or never sets (angle pi).
    const double cosine = std::clamp(-std::tan(latitude) * std::tan(declination), -1.0, 1.0);
    const double sunsetAngle = std::acos(cosine);
    DayGeometry day;
    day.ra = (sunsetAngle * std::sin(latitude) * std::sin(declination) +
              std::cos(latitude) * std::cos(declination) * std::sin(sunsetAngle)) *
             radiationFactor * dr;
    day.rso = (a + b) * day.ra;
    day.dayLength = hoursPerRadian * sunsetAngle;
    return day;
}

const DayGeometry& DayGeometryCache::of(int dayOfYear) {
    if (dayOfYear < 0 || dayOfYear >= remembered) {
        other_ = SolarOFclearDay(dayOfYear, latitude_, angstrom_.a, angstrom_.b);
        return other_;
    }
    if (!known_[dayOfYear]) {
        days_[dayOfYear] = SolarOFclearDay(dayOfYear, latitude_, angstrom_.a, angstrom_.b);
        known_[dayOfYear] = true;
    }
    return days_[dayOfYear];
}

} // namespace climora
