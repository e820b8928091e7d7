#include "methods/PenmanMonteith.h"

#include <cmath>

namespace climora {

double saturationVapourPressure(double t) {
    return 0.6108 * std::exp(17.27 * t / (t + 237.3));
}

PenmanMonteithSite penmanMonteithSite(double elevation) {
    PenmanMonteithSite site;
    site.pressure = 101.3 * std::pow((293 - 0.0065 * elevation) / 293, 5.26);
    site.psychrometric = 0.000665 * site.pressure;
    return site;
}

PenmanMonteithDay penmanMonteithDay(const PenmanMonteithSite& site, const DayGeometry& day,
                                    const PenmanMonteithWeather& weather) {
    PenmanMonteithDay result;
    const double gamma = site.psychrometric;
    const double u2 = weather.windSpeed;
    result.es =
        (saturationVapourPressure(weather.tMax) + saturationVapourPressure(weather.tMin)) / 2;
    const double tMean = (weather.tMax + weather.tMin) / 2;
    const double eMean = saturationVapourPressure(tMean);
    result.delta = 4098 * eMean / ((tMean + 237.3) * (tMean + 237.3));
    result.ea = weather.relativeHumidity / 100 * eMean;
    result.deficit = result.es - result.ea;
    if (!(result.deficit > 0))
        result.deficit = 0;
    result.rns = 0.77 * weather.rs;
    result.rso = day.rso == 0 ? 0.0001 : day.rso;
    const double tMaxK = weather.tMax + 273.16;
    const double tMinK = weather.tMin + 273.16;
    const double tMaxK4 = tMaxK * tMaxK * tMaxK * tMaxK;
    const double tMinK4 = tMinK * tMinK * tMinK * tMinK;
    result.rnl = 4.903e-9 * (tMaxK4 + tMinK4) / 2 * (0.34 - 0.14 * std::sqrt(result.ea)) *
                 (1.35 * weather.rs / result.rso - 0.35);
    result.rn = result.rns - result.rnl;
    if (!(result.rn >= 0))
        result.rn = 0.001;
    const double soilHeat = 0;
    result.et0 = (0.408 * result.delta * (result.rn - soilHeat) +
                  gamma * 900 / (tMean + 273) * u2 * result.deficit) /
                 (result.delta + gamma * (1 + 0.34 * u2));
    result.etr = 1.3 * result.et0;
    if (!(result.etr > 0))
        result.etr = 0.001;
    return result;
}

} // namespace climora
