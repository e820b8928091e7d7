#pragma once

#include <string_view>

namespace climora {

// Factors that turn a value in the given unit into MJ/m2/d, mm or m/s. Texts
// are compared exactly; any other text (also the empty text of a variable
// without a column) gives 0.
double conversionUnitSolar(std::string_view unit);
double conversionUnitForWater(std::string_view unit);
double conversionUnitWS(std::string_view unit);

} // namespace climora
