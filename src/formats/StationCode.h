#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace climora {

// A DSSAT institute-and-site code: exactly four ASCII letters, given back in
// capitals; nothing for any other text.
std::optional<std::string> stationCodeOf(std::string_view text);

// The default code: the first four characters of the input's file name when
// they are letters ("FALN_daily.csv" gives "FALN"), else nothing.
std::optional<std::string> stationCodeFromInputName(std::string_view inputName);

} // namespace climora
