#include "input/Variables.h"

namespace climora {

const std::array<std::string_view, variableCount>& variableNames() {
    static const std::array<std::string_view, variableCount> names = {
        "Ignore", "Year",   "Month",  "Day", "DOY",     "Solar", "T-max",  "T-min", "Precip",
        "RelHum", "WndSpd", "Soil-T", "ET",  "PanEvap", "SunHr", "SunHr%", "YYDOY", "Dewpoint"};
    return names;
}

const std::vector<std::string>& unitsOf(int variable) {
    static const std::vector<std::string> none;
    static const std::vector<std::string> solar = {"MJ/m2/d", "Langley", "W/m2"};
    static const std::vector<std::string> temperature = {"oC", "oF"};
    static const std::vector<std::string> water = {"mm", "cm", "inch"};
    static const std::vector<std::string> percent = {"%"};
    static const std::vector<std::string> wind = {"km/hr", "mile/hr", "m/s"};
    static const std::vector<std::string> hours = {"hr"};
    switch (variable) {
    case Solar:
        return solar;
    case TMax:
    case TMin:
    case SoilT:
    case Dewpoint:
        return temperature;
    case Precip:
    case ET:
    case PanEvap:
        return water;
    case RelHum:
    case SunHrPercent:
        return percent;
    case WndSpd:
        return wind;
    case SunHr:
        return hours;
    default:
        return none;
    }
}

bool isMeasured(int variable) {
    return (variable >= firstMeasured && variable <= lastMeasured) || variable == Dewpoint;
}

bool hasSingleUnit(int variable) {
    return variable == RelHum || variable == SunHr || variable == SunHrPercent;
}

int variableFromName(std::string_view name) {
    for (int i = 0; i < variableCount; ++i)
        if (variableNames()[i] == name)
            return i;
    return NoVariable;
}

} // namespace climora
