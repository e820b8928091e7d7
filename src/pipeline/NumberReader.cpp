#include "pipeline/NumberReader.h"

#include "app/NumberText.h"
#include "app/TextFile.h"

#include <array>
#include <cstdint>

namespace climora {
namespace {

constexpr std::array<double, 23> powersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr std::uint64_t exactMantissaLimit = std::uint64_t{1} << 53;

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

// Plain decimals ("-12.5") take a short cut: a whole number of at most 2^53
// divided by an exact power of ten is correctly rounded, as from_chars is.
// Everything else goes the general way.
std::optional<double> parseDataNumber(std::string_view token) {
    const char* p = token.data();
    const char* end = p + token.size();
    bool negative = p != end && *p == '-';
    if (negative)
        ++p;
    std::uint64_t mantissa = 0;
    int fractionDigits = 0;
    bool point = false;
    bool digits = false;
    for (; p != end; ++p) {
        char c = *p;
        if (c >= '0' && c <= '9') {
            if (mantissa >= exactMantissaLimit / 10)
                return parseNumber(token);
            mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
            digits = true;
            if (point)
                ++fractionDigits;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return parseNumber(token);
        }
    }
    if (!digits || fractionDigits >= static_cast<int>(powersOfTen.size()))
        return parseNumber(token);
    double value = static_cast<double>(mantissa) / powersOfTen[fractionDigits];
    return negative ? -value : value;
}

bool NumberReader::loadLine() {
    if (!lines_.next(line_))
        return false;
    pos_ = 0;
    haveLine_ = true;
    return true;
}

std::string_view nextToken(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    std::size_t start = pos;
    while (pos < line.size() && pos - start < maxTokenLength && !isBlank(line[pos]))
        ++pos;
    return line.substr(start, pos - start);
}

double tokenValue(std::string_view token) {
    std::optional<double> value = parseDataNumber(token);
    if (!value)
        throw InvalidNumericInput();
    return *value;
}

double NumberReader::next() {
    while (true) {
        if (!haveLine_ && !loadLine())
            return 0;
        std::string_view token = nextToken(line_, pos_);
        if (!token.empty())
            return tokenValue(token);
        haveLine_ = false;
    }
}

bool NumberReader::atEnd() {
    if (haveLine_)
        return false;
    return !loadLine();
}

bool NumberReader::restOfLineBlank() const {
    if (!haveLine_)
        return true;
    for (std::size_t i = pos_; i < line_.size(); ++i)
        if (line_[i] != ' ' && line_[i] != '\t')
            return false;
    return true;
}

} // namespace climora
