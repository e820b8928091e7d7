#pragma once

#include "charts/ChartTable.h"
#include "notes/Note.h"

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

// The panel lines the notes concern (their input lines, 1-based, become
// 0-based panel lines), each with its note's text as the reason.
std::vector<LineMark> noteMarks(const std::vector<Note>& notes);

// The marks of `marks` (lines of `from`) moved to the lines of `to` that fall
// on the same days: the output rows of a marked input row.
std::vector<LineMark> marksOnSameDays(const ChartTable& from, const std::vector<LineMark>& marks,
                                      const ChartTable& to);

// The rows to mark: each row whose line carries a mark (reasons of one line
// joined by "; "), and each row whose date lies before the previous row's.
// In row order.
std::vector<RowMark> markRows(const ChartTable& table, const std::vector<LineMark>& marks);

} // namespace climora
