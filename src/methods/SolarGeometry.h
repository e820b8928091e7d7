#pragma once

namespace climora {

// Intercept and slope of the Angstrom relation: Rs / Ra = a + b * (n / N).
struct AngstromCoefficients {
    double a = 0.25;
    double b = 0.50;
};

// Kind 0 is the clear-sky default (0.25, 0.50); kinds 1 to 3 are the climate
// zones "Cold / temperate", "Dry tropical" and "Humid tropical". Any other
// kind leaves `coefficients` as it is.
void getAngstromConstants(int kind, AngstromCoefficients& coefficients);
AngstromCoefficients angstromConstantsOf(int kind);

// The solar geometry of one day at one latitude.
struct DayGeometry {
    double ra = 0;        // extraterrestrial radiation, MJ m-2 d-1
    double dayLength = 0; // N, hours
    double rso = 0;       // clear-sky radiation, MJ m-2 d-1
};

// Decimal degrees to radians.
double latitudeInRadians(double degrees);

// Extraterrestrial radiation, day length and clear-sky radiation of day
// `dayOfYear` at `latitude` (radians); a and b only enter Rso. On days
// without sunrise or sunset the sunset hour angle is 0 or pi, so N is 0 or
// 24 hours and every result stays finite.
DayGeometry SolarOFclearDay(int dayOfYear, double latitude, double a, double b);

// SolarOFclearDay for one latitude and one Angstrom pair, remembered per day
// of year: rows of the same day repeat year after year.
class DayGeometryCache {
  public:
    DayGeometryCache(double latitude, AngstromCoefficients angstrom)
        : latitude_(latitude), angstrom_(angstrom) {}
    const DayGeometry& of(int dayOfYear);

  private:
    static constexpr int remembered = 367;
    double latitude_;
    AngstromCoefficients angstrom_;
    DayGeometry days_[remembered];
    bool known_[remembered] = {};
    DayGeometry other_;
};

} // namespace climora
