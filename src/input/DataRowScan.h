#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

// How the values of a line are separated.
enum class Separator { Blanks, Tab, Comma, Semicolon };

// One field of a line: its text and where it stands (byte offsets).
struct LineField {
    std::string text;
    std::size_t begin = 0;
    std::size_t end = 0;
};

// A field's values as a run reads them, after the cleaning of data rows.
struct FieldValues {
    std::vector<double> values;
    bool dashDate = false; // 2020-01-01: readable only after "Align input data using tabs"
    bool ok = true;        // false: a token that is not a number
};

Separator separatorOf(std::string_view line);
// Fields between separators; blanks split Blanks lines, quotes group commas.
std::vector<LineField> splitFields(std::string_view line, Separator separator);
// The values of one field: characters other than digits, "-", "." become
// blanks as the cleaning does; a date with dashes gives its three numbers; a
// decimal comma counts as a point in semicolon-separated lines. An empty
// field of a comma- or semicolon-separated line is one missing value (NaN).
FieldValues fieldValues(std::string_view field, Separator separator);

// True when the line is a row of numbers as the run reads it: at least five
// characters and at least one value, every value a number (dates with dashes
// allowed, they are aligned first).
bool isNumberRow(std::string_view line);

// The rows before data start: the first line from which every line of the
// main block of data lines is a row of numbers; numeric lines with another
// count of values just before it (a line of years) count as header. Only the
// first `sampleLines` lines are read. Nothing when no line is such a row.
std::optional<std::size_t> dataStart(const std::vector<std::string>& lines,
                                     std::size_t sampleLines = 200);

// The data lines from `start` up to the first line shorter than five
// characters, at most `limit` of them.
std::vector<std::string_view> dataBlock(const std::vector<std::string>& lines, std::size_t start,
                                        std::size_t limit = 200);

} // namespace climora
