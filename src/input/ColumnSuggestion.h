#pragma once

#include "input/ColumnSlots.h"

#include <optional>
#include <string>
#include <vector>

namespace climora {

// What the program proposes for one data column.
struct SuggestedColumn {
    std::string name;          // the header name over it; empty when none
    int variable = NoVariable; // -1: left empty
    std::string unit;          // a unit of the variable's list, or empty
    std::string problem;       // why a column is left empty, when known
};

// The rows before data start and a variable and unit per data column, read
// from the first lines of an input panel.
struct ColumnSuggestion {
    std::optional<std::size_t> rows; // nothing: no rows of numbers found
    std::vector<SuggestedColumn> columns;
    std::vector<std::string> notes; // one line each
};

// Reads at most the first 200 lines. With `rows` given, the data start
// there instead of where the values suggest.
ColumnSuggestion suggestColumns(const std::vector<std::string>& lines,
                                std::optional<std::size_t> rows = std::nullopt);

// The slots of the first 12 columns; a slot of an empty column has nothing
// selected.
ColumnSlots slotsOf(const ColumnSuggestion& suggestion);

// The slots in the --columns syntax of climora-batch: VARIABLE or
// VARIABLE:UNIT per slot, an empty item for an empty slot, up to the last
// placed slot.
std::string columnsOptionText(const ColumnSuggestion& suggestion);

} // namespace climora
