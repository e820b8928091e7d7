#include "formats/StationCode.h"

#include <filesystem>

namespace climora {

std::optional<std::string> stationCodeOf(std::string_view text) {
    if (text.size() != 4)
        return std::nullopt;
    std::string code;
    for (char c : text) {
        bool lower = c >= 'a' && c <= 'z';
        if (!lower && !(c >= 'A' && c <= 'Z'))
            return std::nullopt;
        code += lower ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return code;
}

std::optional<std::string> stationCodeFromInputName(std::string_view inputName) {
    std::string name = std::filesystem::path(inputName).filename().string();
    return stationCodeOf(std::string_view(name).substr(0, 4));
}

} // namespace climora
