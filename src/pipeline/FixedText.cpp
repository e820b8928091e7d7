#include "pipeline/FixedText.h"

#include "base/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace climora {
namespace {

constexpr std::array<double, 4> scales = {1, 10, 100, 1000};

// The digits of `magnitude` with a point before the last `decimals` of them
// and at least one digit before the point.
void appendScaledDigits(std::string& out, std::uint64_t magnitude, int decimals) {
    std::array<char, 24> digits{};
    char* end = digits.data() + digits.size();
    char* p = end;
    int count = 0;
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++count;
    } while (magnitude != 0 || count <= decimals);
    auto whole = static_cast<std::size_t>(count - decimals);
    out.append(p, whole);
    if (decimals > 0) {
        out += '.';
        out.append(p + whole, static_cast<std::size_t>(decimals));
    }
}

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
    // Away from halves, adding a half and cutting off gives the nearest whole number.
    auto nearest = static_cast<long long>(scaled + (scaled < 0 ? -0.5 : 0.5));
    if (std::fabs(std::fabs(scaled - static_cast<double>(nearest)) - 0.5) < 1e-6) {
        out += formatFixed(value, decimals);
        return;
    }
    if (std::signbit(value))
        out += '-';
    appendScaledDigits(out, static_cast<std::uint64_t>(nearest < 0 ? -nearest : nearest), decimals);
}

} // namespace climora
