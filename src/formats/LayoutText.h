#pragma once

#include <string>

namespace climora {

inline constexpr double missingValue = -99;

// `value` with `decimals` decimals, without a minus before a zero ("-0.0"
// becomes "0.0"); correctly rounded, halves to even.
std::string fixedText(double value, int decimals);

// fixedText right-aligned in `width` characters. A value too wide to keep a
// blank before it loses decimals until it fits, or at least keeps its digits.
std::string fixedField(double value, int width, int decimals);

} // namespace climora
