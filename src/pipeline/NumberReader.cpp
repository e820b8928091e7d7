#include "pipeline/NumberReader.h"

#include "base/NumberText.h"
#include "base/TextFile.h"

#include <array>
#include <cstdint>

namespace climora {
namespace {

constexpr std::array<double, 23> powersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// 10^15 < 2^53: fifteen digits always make an exact double.
constexpr long maxShortDigits = 15;

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// Reads a plain decimal ("-12.5", at most 15 digits) that stands at `pos`
// as a whole token, the common case, while finding its end; false for any
// other token, which is then read the general way.
bool readPlainDecimal(std::string_view line, std::size_t pos, std::size_t& end, double& value,
                      PlainDecimal& plain) {
    const char* p = line.data() + pos;
    const char* last = line.data() + line.size();
    bool negative = *p == '-';
    p += negative;
    std::uint64_t mantissa = 0;
    const char* digits = p;
    while (p != last && static_cast<unsigned>(*p - '0') < 10)
        mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
    long wholeDigits = p - digits;
    long fractionDigits = 0;
    bool zeroFraction = true;
    if (p != last && *p == '.') {
        const char* fraction = ++p;
        while (p != last && static_cast<unsigned>(*p - '0') < 10) {
            zeroFraction = zeroFraction && *p == '0';
            mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
        }
        fractionDigits = p - fraction;
    }
    long total = wholeDigits + fractionDigits;
    if ((p != last && !isBlank(*p)) || total == 0 || total > maxShortDigits)
        return false;
    plain = {static_cast<int>(fractionDigits), zeroFraction};
    value = static_cast<double>(mantissa);
    if (fractionDigits > 0)
        value /= powersOfTen[fractionDigits];
    value = negative ? -value : value;
    end = static_cast<std::size_t>(p - line.data());
    return true;
}

} // namespace

// Plain decimals ("-12.5") of at most 15 digits take a short cut: a whole
// number below 2^53 divided by an exact power of ten is correctly rounded,
// as from_chars is. Everything else goes the general way.
std::optional<double> parseDataNumber(std::string_view token) {
    std::size_t end = 0;
    double value = 0;
    PlainDecimal plain;
    if (!token.empty() && readPlainDecimal(token, 0, end, value, plain) && end == token.size())
        return value;
    return parseNumber(token);
}

bool NumberReader::loadLine() {
    if (!lines_.next(line_))
        return false;
    if (filter_)
        filter_(line_);
    pos_ = 0;
    haveLine_ = true;
    ++linesRead_;
    valuesOnLine_ = 0;
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
        while (pos_ < line_.size() && isBlank(line_[pos_]))
            ++pos_;
        std::size_t start = pos_;
        double value;
        if (pos_ < line_.size() && readPlainDecimal(line_, start, pos_, value, lastPlain_)) {
            ++valuesOnLine_;
            lastToken_ = std::string_view(line_).substr(start, pos_ - start);
            return value;
        }
        lastPlain_ = PlainDecimal{};
        std::string_view token = nextToken(line_, pos_);
        if (!token.empty()) {
            ++valuesOnLine_;
            lastToken_ = token;
            return tokenValue(token);
        }
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
