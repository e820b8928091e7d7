#pragma once

#include "input/DataRowScan.h"

#include <string>
#include <string_view>
#include <vector>

namespace climora {

// The names over the fields of a data row, and a unit for each from a units
// line ("(MJ/m^2) (oC)") or a legend line ("T2M_MAX  ... Maximum (C)").
struct HeaderNames {
    std::vector<std::string> names;     // one per field; empty where none
    std::vector<std::string> unitHints; // one per field; empty where none
    bool found = false;
};

// Picks the header line whose fields the name table knows best (the later one
// of equals) and lays its names over the fields of `dataRow`: by order in
// separated lines, by position over fixed columns.
HeaderNames headerNames(const std::vector<std::string>& headerLines, std::string_view dataRow,
                        Separator separator);

} // namespace climora
