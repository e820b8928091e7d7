#include "charts/ChartMarks.h"

#include "pipeline/Calendar.h"
#include "pipeline/NumberReader.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <unordered_set>

namespace climora {

namespace {

// "\t2015 / 32" or "\t2015 / 2 / 1": the numbers between the slashes.
std::vector<int> reportNumbers(const std::string& line) {
    std::vector<int> numbers;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = std::min(line.find('/', start), line.size());
        std::string part = line.substr(start, end - start);
        std::size_t pos = 0;
        std::optional<double> value = parseDataNumber(nextToken(part, pos));
        if (!value || !nextToken(part, pos).empty())
            return {};
        numbers.push_back(static_cast<int>(*value));
        start = end + 1;
    }
    return numbers;
}

std::optional<long long> reportedDay(const std::vector<int>& numbers, bool doyMode) {
    if (doyMode && numbers.size() == 2 && numbers[1] >= 1 && numbers[1] <= 366)
        return daysSinceEpoch(numbers[0], numbers[1]);
    if (!doyMode && numbers.size() == 3)
        if (std::optional<int> doy = dayOfYearOf(numbers[0], numbers[1], numbers[2]))
            return daysSinceEpoch(numbers[0], *doy);
    return std::nullopt;
}

} // namespace

std::optional<std::vector<long long>> checkupReportDays(const std::vector<std::string>& lines) {
    if (lines.size() < 4 || lines[0].rfind("Report of weather data checkup.", 0) != 0)
        return std::nullopt;
    bool doyMode = lines[3].find("(year / DOY)") != std::string::npos;
    std::vector<long long> days;
    for (std::size_t i = 4; i < lines.size(); ++i)
        if (std::optional<long long> day = reportedDay(reportNumbers(lines[i]), doyMode))
            days.push_back(*day);
    return days;
}

std::vector<LineMark> linesOnDays(const ChartTable& table, const std::vector<long long>& days,
                                  const std::string& reason) {
    std::unordered_set<long long> wanted(days.begin(), days.end());
    std::vector<LineMark> marks;
    for (std::size_t row = 0; row < table.rowCount(); ++row)
        if (wanted.count(table.days[row]))
            marks.push_back({table.lines[row], reason});
    return marks;
}

std::vector<LineMark> noteMarks(const std::vector<Note>& notes) {
    std::vector<LineMark> marks;
    for (const Note& note : notes)
        for (long line : note.lines)
            marks.push_back({line - 1, note.text});
    return marks;
}

std::vector<LineMark> marksOnSameDays(const ChartTable& from, const std::vector<LineMark>& marks,
                                      const ChartTable& to) {
    std::unordered_map<long long, long long> dayOfLine;
    for (std::size_t row = 0; row < from.rowCount(); ++row)
        dayOfLine.emplace(from.lines[row], from.days[row]);
    std::unordered_map<long long, std::vector<long long>> linesOnDay;
    for (std::size_t row = 0; row < to.rowCount(); ++row)
        linesOnDay[to.days[row]].push_back(to.lines[row]);
    std::vector<LineMark> moved;
    for (const LineMark& mark : marks) {
        auto day = dayOfLine.find(mark.line);
        auto lines = day == dayOfLine.end() ? linesOnDay.end() : linesOnDay.find(day->second);
        if (lines == linesOnDay.end())
            continue;
        for (long long line : lines->second)
            moved.push_back({line, mark.reason});
    }
    return moved;
}

std::vector<RowMark> markRows(const ChartTable& table, const std::vector<LineMark>& marks) {
    std::map<long long, std::string> reasons;
    for (const LineMark& mark : marks) {
        std::string& text = reasons[mark.line];
        if (text.find(mark.reason) == std::string::npos)
            text += (text.empty() ? "" : "; ") + mark.reason;
    }
    std::vector<RowMark> rows;
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        std::string reason;
        if (auto found = reasons.find(table.lines[row]); found != reasons.end())
            reason = found->second;
        if (row > 0 && table.days[row] < table.days[row - 1])
            reason += (reason.empty() ? "" : "; ") + std::string(stepBackReason);
        if (!reason.empty())
            rows.push_back({row, std::move(reason)});
    }
    return rows;
}

} // namespace climora
