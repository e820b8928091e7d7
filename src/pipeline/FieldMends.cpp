#include "pipeline/FieldMends.h"

namespace climora {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char separatorOf(const std::string& line) {
    if (line.find(';') != std::string::npos)
        return ';';
    return line.find(',') != std::string::npos ? ',' : '\0';
}

void readDecimalCommas(std::string& line) {
    for (std::size_t i = 1; i + 1 < line.size(); ++i)
        if (line[i] == ',' && isDigit(line[i - 1]) && isDigit(line[i + 1]))
            line[i] = '.';
}

// The position of a separator that ends the line (blanks may follow it).
std::size_t trailingSeparator(const std::string& line, char separator) {
    std::size_t last = line.find_last_not_of(" \t");
    return last != std::string::npos && line[last] == separator ? last : std::string::npos;
}

// The separator that closes the line's first empty field, or npos.
std::size_t firstEmptyField(const std::string& line, char separator, std::size_t trailing) {
    bool afterSeparator = false; // only blanks since the last separator
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == separator && i != trailing) {
            if (afterSeparator)
                return i;
            afterSeparator = true;
        } else if (c != ' ' && c != '\t') {
            afterSeparator = false;
        }
    }
    return std::string::npos;
}

} // namespace

// Most lines have no empty field: only a line that takes signs is copied.
std::optional<std::size_t> mendSeparatedFields(std::string& line, const std::string* missingSign) {
    char separator = separatorOf(line);
    if (!separator)
        return std::nullopt;
    if (separator == ';')
        readDecimalCommas(line);
    std::size_t trailing = trailingSeparator(line, separator);
    std::size_t empty = firstEmptyField(line, separator, trailing);
    if (empty == std::string::npos)
        return std::nullopt;
    if (!missingSign)
        return empty;
    std::string mended(line, 0, empty);
    bool afterSeparator = true;
    for (std::size_t i = empty; i < line.size(); ++i) {
        char c = line[i];
        if (c == separator && i != trailing) {
            if (afterSeparator)
                mended += *missingSign;
            afterSeparator = true;
        } else if (!isBlank(c)) {
            afterSeparator = false;
        }
        mended += c;
    }
    line = std::move(mended);
    return std::nullopt;
}

} // namespace climora
