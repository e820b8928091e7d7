#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace climora {

class LineSource;

// A token of a data line that is not a number (a lone "-", "1.2.3", ...).
struct InvalidNumericInput : std::runtime_error {
    InvalidNumericInput() : std::runtime_error("Invalid numeric input") {}
};

// A number token as data lines write it: optional sign, digits with an
// optional "." fraction, optional exponent. Never depends on the locale.
std::optional<double> parseDataNumber(std::string_view token);

// Longest token read at once; a longer run of characters is read as several.
inline constexpr std::size_t maxTokenLength = 64;

// The next token of `line` from `pos` on: characters of code 32 or below
// separate tokens. Empty at the end of the line; `pos` moves past the token.
std::string_view nextToken(std::string_view line, std::size_t& pos);
// The token's value; throws InvalidNumericInput for a non-number.
double tokenValue(std::string_view token);

// How a token was read: as a plain decimal ("-12.5", at most 15 digits, read
// exactly) with this many decimals, or (-1) the general way.
struct PlainDecimal {
    int decimals = -1;
    bool zeroFraction = false; // no decimals, or all of them 0
};

// Reads number tokens from the lines of a text file as one stream: every
// character of code 32 or below (blanks, tabs, line ends) separates tokens,
// so a line short of values takes the next line's. At the end of the file a
// read gives 0 without error.
class NumberReader {
  public:
    // Applied to each line as it is read, before its tokens are taken.
    using LineFilter = std::function<void(std::string& line)>;

    explicit NumberReader(LineSource& lines, LineFilter filter = nullptr)
        : lines_(lines), filter_(std::move(filter)) {}

    // The next token's value; throws InvalidNumericInput for a non-number.
    double next();
    // True when the file has nothing more to read (no further line).
    bool atEnd();
    // True when only blanks and tabs remain on the current line (or the file
    // has ended): the line holds no further value.
    bool restOfLineBlank() const;
    // Drops the rest of the current line; the next read starts a new line.
    void skipLine() { haveLine_ = false; }
    // The line the last token came from (or the line waiting to be read).
    const std::string& line() const { return line_; }
    // Lines read so far, and the place and text of the last token on its
    // line: where an unreadable value stands.
    long linesRead() const { return linesRead_; }
    int valuesOnLine() const { return valuesOnLine_; }
    std::string_view lastToken() const { return lastToken_; }
    const PlainDecimal& lastPlain() const { return lastPlain_; }

  private:
    bool loadLine();

    LineSource& lines_;
    LineFilter filter_;
    std::string line_;
    std::size_t pos_ = 0;
    bool haveLine_ = false;
    long linesRead_ = 0;
    int valuesOnLine_ = 0;
    std::string_view lastToken_;
    PlainDecimal lastPlain_;
};

} // namespace climora
