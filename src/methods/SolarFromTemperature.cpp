#include "methods/SolarFromTemperature.h"

#include <cmath>
#include <cstdlib>

namespace climora {

double MHmodel(int dayOfYear, double rso, double tMax, double tMin) {
    const double season = std::pow(std::abs(182 - dayOfYear) / 183.0, 1.5);
    const double factor = 0.8 + 0.12 * season;
    const double range = tMax - tMin;
    return (0.182 * std::pow(range, 0.69) * std::pow(factor * rso, 0.91) - 2.4999) / 0.8023;
}

double FAO_SolarFromTemp(int region, double ra, double tMax, double tMin) {
    const double k = region == ContinentalRegion ? 0.16 : 0.19;
    return std::sqrt(tMax - tMin) * ra * k;
}

double solarFromTemperature(int region, int dayOfYear, const DayGeometry& day, double tMax,
                            double tMin) {
    const double rs = region == MidWestUsa ? MHmodel(dayOfYear, day.rso, tMax, tMin)
                                           : FAO_SolarFromTemp(region, day.ra, tMax, tMin);
    return rs >= 0 ? rs : 0.01;
}

const char* solarFromTemperatureDescription(int region, bool convert) {
    if (region == MidWestUsa)
        return convert ? "Solar radiation estimated from T-max and T-min using the "
                         "Mahmood-Hubbard method. "
                       : "Solar radiation (last column, MJ/m2/d) estimated from T-max and T-min "
                         "using the Mahmood-Hubbard method. ";
    return convert ? "Solar radiation estimated from T-max and T-min using the FAO method. "
                   : "Solar radiation (last column, MJ/m2/d) estimated from T-max and T-min "
                     "using the FAO method. ";
}

} // namespace climora
