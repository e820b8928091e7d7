#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace climora {

// Numbers in data files never depend on the locale: "." is the decimal point.

// Exactly `decimals` decimals, correctly rounded (halves to even); "-0.0" kept.
std::string formatFixed(double value, int decimals);
// Rounded to the nearest whole number (halves to even), never "-0".
std::string formatWhole(double value);
// Shortest general form with up to 15 significant digits ("40.8", "-120.5", "12").
std::string formatGeneral(double value);

// The whole text as a decimal number: optional sign, digits with an optional
// "." fraction, optional exponent. No blanks, no hex, no inf or nan.
std::optional<double> parseNumber(std::string_view text);
// The whole text as a decimal integer with an optional sign.
std::optional<long long> parseInteger(std::string_view text);

// Blanks and tabs (and other characters of code 32 or below) trimmed.
std::string_view trimBlanks(std::string_view text);

} // namespace climora
