#pragma once

#include "charts/PanelRows.h"

#include <string>
#include <vector>

namespace climora {

// What the output panel holds, as far as charts care.
enum class OutputKind {
    Agrovia,        // the weather layout: names and units lines, then days
    AppendedColumn, // input rows, each with an estimate appended
    CheckupReport,  // the suspicious dates of a data checkup
    Other,
};

OutputKind outputKind(const std::vector<std::string>& lines);

// The dated rows of an output panel. The weather layout is read by its own
// columns (already in MJ/m2/d, oC, %, mm; a column that is 0 on every row is
// one the run had no data for and is left out; the site line gives the
// latitude). Input rows with an appended estimate are read with the input's
// `spec` and `reading` (the header is at least one line there). Other texts
// give no rows.
ChartTable chartOutputRows(const std::vector<std::string>& lines, const ColumnSpec& spec,
                           PanelReading reading);

} // namespace climora
