#pragma once

#include "pipeline/NumberReader.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

// The missing-value sentinel: a line that runs out of values reads as this.
inline constexpr double missingValueSentinel = -9999;

// A token of a rewritten data line as a later reader of that line sees it.
struct RereadToken {
    // How the missing-value check reads it: judged by its digits, or read.
    enum class Sentinel : char { No, Yes, Unreadable };

    double value = 0;
    bool unreadable = false; // reading it throws InvalidNumericInput
    Sentinel sentinel = Sentinel::No;
};
using RereadTokens = std::vector<RereadToken>;

// How the extraction writes one value in normal form: the missing-value sign
// becomes the substitution text, whole numbers lose their decimals, others
// get three; a tab follows each value.
class NormalForm {
  public:
    NormalForm(long long sign, std::string substitution);

    // Appends the normal form of `x`, read from `token`, to `line` when
    // `line` is given, and the tokens a reader of the written text finds to
    // `tokens`. Plain decimals of up to three decimals are their own reread
    // value, so only other values are written out to be read again.
    // `plain` tells how the reader read the token, when it knows.
    void add(double x, std::string_view token, std::string* line, RereadTokens& tokens,
             const PlainDecimal& plain = {});
    // Appends the normal form of `x` alone.
    void appendText(double x, std::string& line) const;

  private:
    long long sign_;
    std::string substitution_;
    RereadTokens substitutionTokens_;
    std::string scratch_;
};

// The tokens a reader finds in `text`.
void appendRereadTokens(std::string_view text, RereadTokens& tokens);

// Whether the token reads as the sentinel. Plain decimals ("-9999.0") are
// judged by their digits; other tokens are read (and may be invalid).
bool isSentinel(std::string_view token);

// The missing-value check of one line: true when the line, with the
// sentinel after it, runs out of values before the column count (the
// sentinel, or a value equal to it, is met as the second value or later).
// A line without any value is not reported. Throws InvalidNumericInput at an
// unreadable value it has to read.
bool lacksValues(std::string_view line, int columnCount);
bool lacksValues(std::span<const RereadToken> tokens, int columnCount);

} // namespace climora
