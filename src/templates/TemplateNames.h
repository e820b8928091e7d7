#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

// Template names are listed in alphabetical order without regard to letter
// case; names that differ only in case keep a fixed order between them.
bool nameSortsBefore(std::string_view a, std::string_view b);
std::vector<std::string> sortedNames(std::vector<std::string> names);
// Inserts the name at its sorted place and returns that place.
int insertSorted(std::vector<std::string>& names, const std::string& name);
// The first position holding exactly this name (letter case included).
std::optional<int> findName(const std::vector<std::string>& names, std::string_view name);
// The position the drop-down selects after a save: the first item equal to
// the name, searched from the top, or the last item when none is.
int positionToSelect(const std::vector<std::string>& names, std::string_view name);

} // namespace climora
