#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace climora {

// Mends a data line whose fields are separated by commas or semicolons,
// before the cleaning turns those separators into blanks:
// - in a line with semicolons, a comma between two digits is a decimal
//   comma and becomes a point (12,5 -> 12.5);
// - an empty field (two separators with nothing but blanks between them; a
//   separator at the very end of the line does not count) is a missing
//   value: it takes `missingSign` when one is given, else it stays empty.
// Fields of text keep their characters. Returns, when an empty field stays
// empty, the length of the line before the first of them.
std::optional<std::size_t> mendSeparatedFields(std::string& line, const std::string* missingSign);

} // namespace climora
