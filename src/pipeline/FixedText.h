#pragma once

#include <string>

namespace climora {

// Appends `value` with exactly `decimals` decimals (0 to 3), the same text
// formatFixed gives, without its cost for ordinary values.
void appendFixed(std::string& out, double value, int decimals);
void appendInteger(std::string& out, long long value);

} // namespace climora
