#pragma once

#include "charts/ChartTable.h"

#include <optional>
#include <string>
#include <vector>

namespace climora {

inline constexpr const char* checkupReason = "Suspicious data (checkup)";
inline constexpr const char* stepBackReason = "Date steps back";

// The days a checkup report lists (as day counts, in the report's order);
// nothing when the lines are no checkup report.
std::optional<std::vector<long long>> checkupReportDays(const std::vector<std::string>& lines);

// Every line of `table` whose row falls on one of `days`, with `reason`.
std::vector<LineMark> linesOnDays(const ChartTable& table, const std::vector<long long>& days,
                                  const std::string& reason);

// The rows to mark: each row whose line carries a mark (reasons of one line
// joined by "; "), and each row whose date lies before the previous row's.
// In row order.
std::vector<RowMark> markRows(const ChartTable& table, const std::vector<LineMark>& marks);

} // namespace climora
