#include "methods/PanEvaporation.h"

#include "input/Variables.h"

#include <cmath>

namespace climora {

namespace {

double positiveOrTiny(double value) {
    return value > 0 ? value : 0.001;
}

} // namespace

double panCoefficient(int kind, double fetch, double relativeHumidity, double windSpeed) {
    const double rh = positiveOrTiny(relativeHumidity);
    const double u2 = positiveOrTiny(windSpeed);
    const double lnFet = std::log(positiveOrTiny(fetch));
    const double lnRh = std::log(rh);
    const double w = std::log(86.4 * u2); // wind run, km per day
    switch (kind) {
    case ClassAGreenFetch:
        return 0.108 - 0.0286 * u2 + 0.0422 * lnFet + 0.1434 * lnRh -
               0.000631 * lnFet * lnFet * lnRh;
    case ClassADryFetch:
        return 0.61 + 0.00341 * rh - 0.000162 * u2 * rh - 0.00000959 * u2 * positiveOrTiny(fetch) +
               0.00327 * u2 * lnFet - 0.00289 * u2 * w - 0.0106 * w * lnFet +
               0.00063 * lnFet * lnFet * w;
    case ColoradoGreenFetch:
        return 0.87 + 0.119 * lnFet - 0.0157 * w * w - 0.0019 * lnFet * lnFet * w +
               0.013 * w * lnRh - 0.000053 * w * lnFet * rh;
    case ColoradoDryFetch:
        return 1.145 - 0.080 * u2 + 0.000903 * u2 * u2 * lnRh - 0.0964 * lnFet +
               0.0031 * u2 * lnFet + 0.0015 * lnFet * lnFet * lnRh;
    default:
        return 0;
    }
}

double panCoefficientOfKind(int kind, double fetch, double relativeHumidity, double windSpeed) {
    if (kind != UnknownPan)
        return panCoefficient(kind, fetch, relativeHumidity, windSpeed);
    double sum = 0;
    for (int each = ClassAGreenFetch; each <= ColoradoDryFetch; ++each)
        sum += panCoefficient(each, unknownPanFetch, relativeHumidity, windSpeed);
    return sum / 4;
}

bool testData(const ColumnSpec& spec, Messenger& messenger) {
    bool found[3] = {false, false, false};
    for (int k = 0; k < slotCount; ++k) {
        found[0] = found[0] || spec.variable[k] == RelHum;
        found[1] = found[1] || spec.variable[k] == WndSpd;
        found[2] = found[2] || spec.variable[k] == PanEvap;
    }
    if (found[0] && found[1] && found[2])
        return true;
    messenger.reportError("One of the required data is not given.");
    return false;
}

std::string panDescription(int kind, const std::string& fetchText, bool convert) {
    std::string text = convert
                           ? "Reference ET estimated from pan evaporation of "
                           : "Reference ET (last column, mm) estimated from pan evaporation of ";
    if (kind == UnknownPan)
        return text + "with unknown pan type.";
    const bool green = kind == ClassAGreenFetch || kind == ColoradoGreenFetch;
    return text + (green ? "green fetch" : "dry fetch") + " with " + fetchText + " m.";
}

} // namespace climora
