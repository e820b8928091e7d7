#include "methods/SolarFromSunshine.h"

namespace climora {

double angstromSolar(SunshineMode mode, double sunshine, const AngstromCoefficients& angstrom,
                     const DayGeometry& day) {
    double relative = 0;
    if (mode == SunshineMode::Percentage)
        relative = sunshine / 100;
    else if (day.dayLength > 0)
        relative = sunshine / day.dayLength;
    const double rs = (angstrom.a + angstrom.b * relative) * day.ra;
    return rs >= 0 ? rs : 0.001;
}

std::string sunshineDescription(SunshineMode mode, int climateZone, bool convert) {
    std::string text = convert ? "Solar radiation estimated from"
                               : "Solar radiation (last column, MJ/m2/d) estimated from";
    text += mode == SunshineMode::Hours ? " sun shine hours " : " sun shine % ";
    switch (climateZone) {
    case 2:
        text += " for dry tropical regions. ";
        break;
    case 3:
        text += " for humid tropical regions. ";
        break;
    default:
        text += " for cold / temperate regions. ";
        break;
    }
    return text;
}

} // namespace climora
