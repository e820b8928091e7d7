#pragma once

#include "base/WorkFolder.h"

#include <string_view>

namespace climora {

// Builds "Output.~" from "Input.~" (rowsBeforeData header lines, then the
// data rows) and "Out.~" (one estimate per row): line 1 is the description
// followed directly by the first header line (or the description alone when
// there is no header, which then counts as the one header line: the count
// becomes 1); the other header lines follow unchanged; then every data line
// as it was, a tab and the estimate of that row (nothing after the tab once
// the estimates are used up). The data loop runs at least once.
void assembleAppendedColumn(const WorkFolder& work, long long& rowsBeforeData,
                            std::string_view description);

// The same header, then the data lines unchanged; the result replaces
// "Input.~" so that the conversion reads the description as its title line.
void assembleConversionInput(const WorkFolder& work, long long& rowsBeforeData,
                             std::string_view description);

} // namespace climora
