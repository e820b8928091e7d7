#include "pipeline/UnitFactors.h"

namespace climora {

double conversionUnitSolar(std::string_view unit) {
    if (unit == "MJ/m2/d")
        return 1;
    if (unit == "Langley")
        return 0.04186;
    if (unit == "W/m2")
        return 0.0864;
    return 0;
}

double conversionUnitForWater(std::string_view unit) {
    if (unit == "mm")
        return 1;
    if (unit == "cm")
        return 10;
    if (unit == "inch")
        return 25.4;
    return 0;
}

double conversionUnitWS(std::string_view unit) {
    if (unit == "km/hr")
        return 1 / 3.6;
    if (unit == "mile/hr")
        return 1.609 / 3.6;
    if (unit == "m/s")
        return 1;
    return 0;
}

} // namespace climora
