#include "notes/SlashDates.h"

#include "notes/PlausibilityRules.h"
#include "pipeline/NumberReader.h"
#include "tools/CleanData.h"

namespace climora {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool separatesFields(char c) {
    return static_cast<unsigned char>(c) <= 32 || c == ',' || c == ';';
}

// Where a field of the form digits/digits/digits begins, if the line has one.
std::optional<std::size_t> slashDateStart(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && separatesFields(line[i]))
            ++i;
        std::size_t start = i;
        int groups = 0;
        bool digitsOnly = true;
        while (i < line.size() && !separatesFields(line[i])) {
            std::size_t digits = i;
            while (i < line.size() && isDigit(line[i]))
                ++i;
            digitsOnly = digitsOnly && i > digits;
            ++groups;
            if (i < line.size() && line[i] == '/')
                ++i;
            else
                break;
        }
        bool fieldEnds = i == line.size() || separatesFields(line[i]);
        if (groups == 3 && digitsOnly && fieldEnds && line[i - 1] != '/')
            return start;
        while (i < line.size() && !separatesFields(line[i]))
            ++i;
    }
    return std::nullopt;
}

int valuesIn(std::string_view text) {
    std::string cleaned = cleanDataLine(text);
    std::size_t pos = 0;
    int count = 0;
    while (!nextToken(cleaned, pos).empty())
        ++count;
    return count;
}

bool isDatePart(int variable) {
    return variable == Year || variable == Month || variable == Day;
}

} // namespace

void SlashDates::see(std::string_view line, long lineNumber) {
    if (line.find('/') == std::string_view::npos)
        return;
    std::optional<std::size_t> start = slashDateStart(line);
    if (!start)
        return;
    if (lines_.empty())
        column_ = valuesIn(line.substr(0, *start)) + 1;
    lines_.push_back(lineNumber);
}

std::optional<Note> SlashDates::note(const ColumnSpec& spec) const {
    if (lines_.empty())
        return std::nullopt;
    bool placed = true;
    for (int k = column_; k < column_ + 3; ++k)
        placed = placed && k <= spec.columnCount && isDatePart(spec.variable.at(k - 1));
    if (placed)
        return std::nullopt;
    int variable = column_ <= slotCount ? spec.variable.at(column_ - 1) : NoVariable;
    std::string name = variable >= 0 ? std::string(variableNames().at(variable)) : "none";
    std::string text = "COLUMN " + std::to_string(column_) + " (" + name +
                       "): dates written with slashes are read as three numbers; give columns " +
                       std::to_string(column_) + " to " + std::to_string(column_ + 2) +
                       " the Year, Month and Day slots; " + std::to_string(lines_.size()) +
                       (lines_.size() == 1 ? " row" : " rows") + ", first on line " +
                       std::to_string(lines_.front());
    return Note{text, lines_};
}

} // namespace climora
