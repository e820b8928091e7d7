#pragma once

#include "tools/ToolCommand.h"

#include <array>
#include <string>
#include <string_view>

namespace climora {

inline constexpr int markableColumns = 30;

// Removal marks of columns 1 to 30: marks[k - 1] is column k.
using ColumnMarks = std::array<bool, markableColumns>;

inline constexpr const char* rowsNotSpecifiedForRemoval =
    "The number of rows before start of data not specified yet.";
inline constexpr const char* columnsRemoved = "Specified columns are removed.";

// The numbers of a data row whose columns are not marked, each followed by
// one TAB. The k-th number is column k; numbers beyond the 30th have no mark
// and are always kept.
void removeColumnsLine(std::string_view line, const ColumnMarks& marks, std::string& out);
std::string removeColumnsLine(std::string_view line, const ColumnMarks& marks);

// "Control" > "Remove input data columns...": the window may open only when
// the rows box is not empty; otherwise the error is reported.
bool removeColumnsAllowed(const std::string& rowsText, Messenger& messenger);

// OK of the "Remove data columns" window: rewrites every data row of the
// panel by removeColumnsLine through "Input.~" and "Output.~" (both stay),
// gives the exclamation tone, replaces the panel and shows "Specified
// columns are removed.". The gauge steps once per line. Returns false when
// the command stopped; the panel is then unchanged.
bool removeColumns(const InputPanelData& panel, const ColumnMarks& marks, ToolContext& context);

} // namespace climora
