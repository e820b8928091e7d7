#pragma once

#include "charts/ChartTable.h"
#include "input/ColumnSlots.h"
#include "input/ColumnSpec.h"

#include <optional>
#include <string>
#include <vector>

namespace climora {

// How the rows of a panel are read for a chart.
struct PanelReading {
    long long rowsBeforeData = 0;
    // Values that round to this sign are gaps (the missing-value sign).
    std::optional<int> missingSign;
    // The last value of every data line is this task's estimate.
    std::optional<SeriesKind> appendedEstimate;
};

// The slots' columns as a run would take them, without any message: the
// column count (0 when no slot is specified), variables and unit texts.
ColumnSpec chartColumnSpec(const ColumnSlots& slots);

// The dated rows of the panel's lines read with `spec`, in file order. Each
// line after the header is cleaned as a run cleans it; a line without the
// column count of numbers, with a first value of 0 or without a complete date
// is skipped and counted (blank lines are skipped silently). Values are
// converted to MJ/m2/d, oC, mm and m/s; a variable whose unit text converts
// to nothing is left out.
ChartTable chartPanelRows(const std::vector<std::string>& lines, const ColumnSpec& spec,
                          const PanelReading& reading);

} // namespace climora
