#pragma once

#include "methods/SolarGeometry.h"

#include <string>

namespace climora {

enum class SunshineMode { Hours, Percentage };

// Angstrom: Rs = (a + b * r) * Ra with r the relative sunshine: hours over
// the day length (0 on a day without sunrise), or percentage over 100; r is
// not capped. A result that is not zero or more becomes 0.001.
double angstromSolar(SunshineMode mode, double sunshine, const AngstromCoefficients& angstrom,
                     const DayGeometry& day);

// The description: opening, mode text and zone text joined as they stand.
std::string sunshineDescription(SunshineMode mode, int climateZone, bool convert);

} // namespace climora
