#include "base/NumberText.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace climora {

std::string formatFixed(double value, int decimals) {
    std::array<char, 400> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

std::string formatWhole(double value) {
    double rounded = std::nearbyint(value);
    if (std::fabs(rounded) < 9.0e18) {
        auto whole = static_cast<long long>(rounded);
        return std::to_string(whole);
    }
    return formatFixed(rounded, 0);
}

std::string formatGeneral(double value) {
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    return text == "-0" ? "0" : text;
}

std::optional<double> parseNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() == '+')
        return std::nullopt;
    // from_chars would accept "inf", "nan" and hex digits after "0x"-less
    // forms; allow only digits, one point, sign and exponent.
    for (char c : text)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' ||
              c == 'e' || c == 'E'))
            return std::nullopt;
    double value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<long long> parseInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() == '+')
        return std::nullopt;
    long long value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    return text;
}

} // namespace climora
