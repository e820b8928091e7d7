#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace climora {

// What a column's name says about it.
struct NameMatch {
    int variable = -1;   // a position in the variable list; 0 "Ignore" for known
                         // columns the program has no use for; -1: cannot be placed
    std::string unit;    // a unit of the variable's list; empty: decide by the values
    std::string problem; // why a recognised column cannot be placed
};

// Reads a header name such as "Tmax (°F)", "max_temp_c", "rain_mm",
// "wind km/h" or "SRAD". `unitHint` is a unit found elsewhere in the header
// (a units line or a legend), or empty. Nothing when the name is unknown.
std::optional<NameMatch> matchColumnName(std::string_view name, std::string_view unitHint = {});

// The program's unit for a unit word ("°F", "ly", "km/h", "MJ/m^2/day") of the
// variable's kind; empty when the word names a unit the program lacks, nothing
// when the word is no unit of that kind.
std::optional<std::string> unitForWord(int variable, std::string_view word);

// Lower case, "°" and "º" dropped, "²" and "^2" as "2", quotes and "@#*"
// removed, blanks trimmed.
std::string normalizedName(std::string_view name);

} // namespace climora
