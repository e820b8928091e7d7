#pragma once

#include "input/ColumnSlots.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

using SlotPositions = std::array<int, slotCount>;

// Saved column settings: the rows-before-data text and, for the 12
// column slots in order, the positions of the selected variable and unit
// (-1 when nothing is selected). Positions, not texts, are stored.
struct DataTemplate {
    std::string name; // empty for the last session template
    std::string rowsBeforeData;
    SlotPositions variablePositions{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    SlotPositions unitPositions{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};

    bool operator==(const DataTemplate&) const = default;
};

// The template that the rows box and the slots show at the moment.
DataTemplate templateFromSlots(const std::string& rowsText, const ColumnSlots& columnSlots,
                               std::string name = {});

// The 12 positions, each followed by one TAB: "1\t4\t5\t-1\t...\t".
std::string positionsLine(const SlotPositions& positions);

// The four lines of a block in the settings file: name, rows, variables, units.
std::vector<std::string> blockLines(const DataTemplate& dataTemplate);

// A rows, variable or unit line that does not hold integers where integers
// are expected, or settings that end before their three lines are complete.
struct TemplateFormatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the three settings lines (rows, variables, units) that start at
// lines[first] and applies them: the rows count into `rowsText`, each
// variable position with variableDisplay, then each unit position with
// unitDisplayControl. The caller empties the unit lists beforehand. The
// variable and unit integers are read as a stream that may run on over line
// ends, as the settings have always been read; an empty rows line gives an
// empty rows box. Throws TemplateFormatError, leaving the selections that
// were already made; `fileName` names the file in that message.
void applySettingsLines(const std::vector<std::string>& lines, std::size_t first,
                        std::string_view fileName, std::string& rowsText, ColumnSlots& columnSlots);

} // namespace climora
