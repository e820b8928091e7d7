#pragma once

#include "base/Messenger.h"
#include "input/ColumnSpec.h"

#include <string>

namespace climora {

// The pan and its site, as chosen under "Type of pan and length of fetch".
enum PanKind : int {
    ClassAGreenFetch = 1,
    ClassADryFetch = 2,
    ColoradoGreenFetch = 3,
    ColoradoDryFetch = 4,
    UnknownPan = 5,
};

inline constexpr double unknownPanFetch = 500; // metres; also an empty fetch field

// FAO-56 pan coefficient of kinds 1 to 4 from the fetch (m), the mean
// relative humidity (%) and the wind speed at 2 m (m/s). Each input that is
// not above 0 enters as 0.001.
double panCoefficient(int kind, double fetch, double relativeHumidity, double windSpeed);

// Kind 5: the mean of the four regressions at a fetch of 500 m; kinds 1 to 4
// as panCoefficient.
double panCoefficientOfKind(int kind, double fetch, double relativeHumidity, double windSpeed);

// True when the column slots hold RelHum, WndSpd and PanEvap; otherwise
// reports "One of the required data is not given." and returns false.
bool testData(const ColumnSpec& spec, Messenger& messenger);

// The description: the fetch caption, " with ", the fetch text as typed and
// " m." for kinds 1 to 4; "with unknown pan type." for kind 5.
std::string panDescription(int kind, const std::string& fetchText, bool convert);

} // namespace climora
