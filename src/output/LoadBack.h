#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace climora {

// What "Load back to input panel" puts in place: the input name, the input
// panel's new lines and an empty output panel. The column slots,
// the rows-before-data count and the task stay as they are.
struct LoadedBack {
    std::string inputName;
    std::vector<std::string> inputLines;
};

LoadedBack loadBack(std::vector<std::string> outputLines);

} // namespace climora
