#include "pipeline/NormalForm.h"

#include "base/NumberText.h"
#include "pipeline/FixedText.h"
#include "pipeline/NumberReader.h"

#include <cmath>
#include <optional>

namespace climora {
namespace {

// Below 2^52 a double's whole part is found by a cast, without a library call.
constexpr double exactWholeLimit = 4503599627370496.0;

bool roundsTo(double x, long long sign) {
    auto target = static_cast<double>(sign);
    return std::fabs(x - target) <= 0.5 && std::nearbyint(x) == target;
}

void appendValue(std::string& out, double x) {
    if (std::fabs(x) < exactWholeLimit) {
        auto whole = static_cast<long long>(x);
        if (std::fabs(x - static_cast<double>(whole)) < 0.0001)
            appendInteger(out, static_cast<long long>(std::nearbyint(x))); // never "-0"
        else
            appendFixed(out, x, 3);
    } else if (std::fabs(x - std::trunc(x)) < 0.0001) {
        out += formatWhole(x);
    } else {
        appendFixed(out, x, 3);
    }
}

// A plain decimal of at most 15 digits and 3 decimals was read exactly, and
// its normal form reads back as the same value: a whole number as that
// integer ("-0" as 0), any other as itself.
std::optional<double> plainRereadValue(std::string_view token, double x,
                                       const PlainDecimal& plain) {
    if (plain.decimals >= 0) {
        if (plain.decimals > 3)
            return std::nullopt;
        return plain.zeroFraction ? static_cast<double>(static_cast<long long>(x)) : x;
    }
    std::size_t i = !token.empty() && token[0] == '-' ? 1 : 0;
    std::size_t digits = 0;
    for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i)
        ++digits;
    std::size_t fractionDigits = 0;
    bool zeroFraction = true;
    if (i < token.size() && token[i] == '.')
        for (++i; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i, ++fractionDigits)
            zeroFraction = zeroFraction && token[i] == '0';
    digits += fractionDigits;
    if (i != token.size() || digits == 0 || digits > 15 || fractionDigits > 3)
        return std::nullopt;
    if (zeroFraction)
        return static_cast<double>(static_cast<long long>(x));
    return x;
}

RereadToken::Sentinel sentinelCheck(std::string_view token) {
    try {
        return isSentinel(token) ? RereadToken::Sentinel::Yes : RereadToken::Sentinel::No;
    } catch (const InvalidNumericInput&) {
        return RereadToken::Sentinel::Unreadable;
    }
}

} // namespace

NormalForm::NormalForm(long long sign, std::string substitution)
    : sign_(sign), substitution_(std::move(substitution)) {
    appendRereadTokens(substitution_, substitutionTokens_);
}

void NormalForm::add(double x, std::string_view token, std::string* line, RereadTokens& tokens,
                     const PlainDecimal& plain) {
    if (roundsTo(x, sign_)) {
        tokens.insert(tokens.end(), substitutionTokens_.begin(), substitutionTokens_.end());
        if (line)
            *line += substitution_;
    } else if (std::optional<double> value = plainRereadValue(token, x, plain)) {
        auto sentinel =
            *value == missingValueSentinel ? RereadToken::Sentinel::Yes : RereadToken::Sentinel::No;
        tokens.push_back({*value, false, sentinel});
        if (line)
            appendValue(*line, x);
    } else {
        scratch_.clear();
        appendValue(scratch_, x);
        appendRereadTokens(scratch_, tokens);
        if (line)
            *line += scratch_;
    }
    if (line)
        *line += '\t';
}

void NormalForm::appendText(double x, std::string& line) const {
    if (roundsTo(x, sign_))
        line += substitution_;
    else
        appendValue(line, x);
    line += '\t';
}

void appendRereadTokens(std::string_view text, RereadTokens& tokens) {
    std::size_t pos = 0;
    for (std::string_view token = nextToken(text, pos); !token.empty();
         token = nextToken(text, pos)) {
        RereadToken reread;
        std::optional<double> value = parseDataNumber(token);
        reread.unreadable = !value;
        reread.value = value.value_or(0);
        reread.sentinel = sentinelCheck(token);
        tokens.push_back(reread);
    }
}

bool isSentinel(std::string_view token) {
    std::size_t i = token.empty() || token[0] != '-' ? 0 : 1;
    bool negative = i == 1;
    std::size_t wholeStart = i;
    while (i < token.size() && token[i] >= '0' && token[i] <= '9')
        ++i;
    std::string_view whole = token.substr(wholeStart, i - wholeStart);
    bool zeroFraction = true;
    std::size_t fractionDigits = 0;
    if (i < token.size() && token[i] == '.') {
        for (++i; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i, ++fractionDigits)
            zeroFraction = zeroFraction && token[i] == '0';
    }
    if (i != token.size() || whole.size() + fractionDigits == 0)
        return tokenValue(token) == missingValueSentinel;
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    return negative && whole == "9999" && zeroFraction;
}

bool lacksValues(std::string_view line, int columnCount) {
    std::size_t pos = 0;
    int count = 0;
    bool sentinel = false;
    while (true) {
        std::string_view token = nextToken(line, pos);
        sentinel = token.empty() || isSentinel(token);
        ++count;
        if (sentinel || count >= columnCount)
            break;
    }
    return sentinel && count >= 2;
}

bool lacksValues(std::span<const RereadToken> tokens, int columnCount) {
    int count = 0;
    bool sentinel = false;
    for (auto token = tokens.begin();; ++token) {
        ++count;
        if (token == tokens.end()) {
            sentinel = true;
            break;
        }
        if (token->sentinel == RereadToken::Sentinel::Unreadable)
            throw InvalidNumericInput();
        sentinel = token->sentinel == RereadToken::Sentinel::Yes;
        if (sentinel || count >= columnCount)
            break;
    }
    return sentinel && count >= 2;
}

} // namespace climora
