#include "pipeline/FixedText.h"

#include "app/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace climora {
namespace {

constexpr std::array<double, 4> scales = {1, 10, 100, 1000};

} // namespace

void appendInteger(std::string& out, long long value) {
    std::array<char, 24> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

// value * 10^decimals is rounded in one step; its error is far below 1e-6
// while the product stays under 1e9, so unless the product lies within 1e-6
// of a half the nearest whole number is the correctly rounded result. Other
// values (halves, huge, NaN) go the exact way.
void appendFixed(std::string& out, double value, int decimals) {
    if (decimals < 0 || decimals > 3) {
        out += formatFixed(value, decimals);
        return;
    }
    double scaled = value * scales[decimals];
    if (!(std::fabs(scaled) < 1e9)) {
        out += formatFixed(value, decimals);
        return;
    }
    double rounded = std::nearbyint(scaled);
    if (std::fabs(std::fabs(scaled - rounded) - 0.5) < 1e-6) {
        out += formatFixed(value, decimals);
        return;
    }
    if (std::signbit(value))
        out += '-';
    std::array<char, 24> digits{};
    auto magnitude = static_cast<long long>(std::fabs(rounded));
    auto end = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude).ptr;
    auto count = static_cast<int>(end - digits.data());
    if (count <= decimals) { // 0.0xx: leading zeros
        out += '0';
        out += '.';
        out.append(static_cast<std::size_t>(decimals - count), '0');
        out.append(digits.data(), end);
        return;
    }
    out.append(digits.data(), end - decimals);
    if (decimals > 0) {
        out += '.';
        out.append(end - decimals, end);
    }
}

} // namespace climora
