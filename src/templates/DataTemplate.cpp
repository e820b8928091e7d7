#include "templates/DataTemplate.h"

#include "base/NumberText.h"

#include <limits>

namespace climora {

DataTemplate templateFromSlots(const std::string& rowsText, const ColumnSlots& slots,
                               std::string name) {
    DataTemplate result;
    result.name = std::move(name);
    result.rowsBeforeData = rowsText;
    for (int k = 0; k < slotCount; ++k) {
        result.variablePositions[k] = slots[k].variable;
        result.unitPositions[k] = slots[k].unit;
    }
    return result;
}

std::string positionsLine(const SlotPositions& positions) {
    std::string line;
    for (int position : positions) {
        line += std::to_string(position);
        line += '\t';
    }
    return line;
}

std::vector<std::string> blockLines(const DataTemplate& dataTemplate) {
    return {dataTemplate.name, dataTemplate.rowsBeforeData,
            positionsLine(dataTemplate.variablePositions),
            positionsLine(dataTemplate.unitPositions)};
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Walks the settings lines the way they are read: the rows line whole, then
// integers separated by blanks, tabs or line ends.
class SettingsReader {
  public:
    SettingsReader(const std::vector<std::string>& lines, std::size_t first,
                   std::string_view fileName)
        : lines_(lines), line_(first), fileName_(fileName) {}

    // The rows count as decimal text; empty for an empty line.
    std::string rowsLine() {
        if (line_ >= lines_.size())
            throw endsTooEarly();
        std::string_view text = trimBlanks(lines_[line_]);
        column_ = 0;
        if (text.empty()) {
            ++line_;
            return {};
        }
        std::string_view token = text.substr(0, text.find_first_of(" \t"));
        std::optional<long long> rows = parseInteger(token);
        if (!rows || *rows < 0 || *rows > std::numeric_limits<int>::max())
            throw invalidNumber(token);
        ++line_;
        return std::to_string(*rows);
    }

    int nextInteger() {
        std::string_view token = nextToken();
        std::optional<long long> value = parseInteger(token);
        if (!value || *value < std::numeric_limits<int>::min() ||
            *value > std::numeric_limits<int>::max())
            throw invalidNumber(token);
        return static_cast<int>(*value);
    }

    void skipRestOfLine() {
        ++line_;
        column_ = 0;
    }

  private:
    std::string_view nextToken() {
        while (line_ < lines_.size()) {
            const std::string& text = lines_[line_];
            while (column_ < text.size() && isBlank(text[column_]))
                ++column_;
            if (column_ < text.size()) {
                std::size_t start = column_;
                while (column_ < text.size() && !isBlank(text[column_]))
                    ++column_;
                return std::string_view(text).substr(start, column_ - start);
            }
            skipRestOfLine();
        }
        throw endsTooEarly();
    }

    TemplateFormatError invalidNumber(std::string_view token) const {
        return TemplateFormatError("Invalid numeric input in \"" + std::string(fileName_) +
                                   "\": \"" + std::string(token) + "\".");
    }
    TemplateFormatError endsTooEarly() const {
        return TemplateFormatError("The template settings in \"" + std::string(fileName_) +
                                   "\" end too early.");
    }

    const std::vector<std::string>& lines_;
    std::size_t line_;
    std::size_t column_ = 0;
    std::string_view fileName_;
};

// A position the variable list does not have selects nothing, as a list box
// does with an index it lacks.
int variableOrNothing(int position) {
    return position >= Ignore && position < variableCount ? position : NoVariable;
}

} // namespace

void applySettingsLines(const std::vector<std::string>& lines, std::size_t first,
                        std::string_view fileName, std::string& rowsText, ColumnSlots& slots) {
    SettingsReader reader(lines, first, fileName);
    rowsText = reader.rowsLine();
    for (int k = 0; k < slotCount; ++k)
        slots.variableDisplay(k, variableOrNothing(reader.nextInteger()));
    reader.skipRestOfLine();
    for (int k = 0; k < slotCount; ++k)
        slots.unitDisplayControl(k, reader.nextInteger());
}

} // namespace climora
