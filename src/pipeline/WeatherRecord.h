#pragma once

#include "input/Variables.h"

#include <array>

namespace climora {

// The values of one data row as the tasks see them. Values stay in the
// input's units; a presence flag, once set, stays set for the whole run, so
// it tells whether the run's columns hold that variable.
struct WeatherRecord {
    int year = 0;
    int month = 0;
    int day = 0;
    int dayOfYear = 0;
    // Solar .. Dewpoint, by variable index minus firstMeasured (YYDOY's place unused).
    std::array<double, measuredPlaces> measured{};
    double ignored = 0;
    // By variable index (Year .. SunHr%); Ignore and YYDOY have no flag.
    std::array<bool, variableCount> present{};

    double value(int measuredVariable) const {
        return measured.at(measuredVariable - firstMeasured);
    }
    double& value(int measuredVariable) { return measured.at(measuredVariable - firstMeasured); }
    bool has(int variable) const { return present.at(variable); }

    // Every value 0, every flag false.
    void reset() { *this = WeatherRecord{}; }
};

} // namespace climora
