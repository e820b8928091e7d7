#include "pipeline/WeatherFileUpdateMerge.h"

#include "base/NumberText.h"
#include "pipeline/Calendar.h"
#include "pipeline/NumberReader.h"

#include <algorithm>
#include <cmath>

namespace climora {
namespace {

constexpr std::string_view unchanged = " The existing file is not changed.";

bool separates(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// Number tokens as the data rows' reader takes them: separated by any
// character of code 32 or below, at most maxTokenLength characters long.
std::optional<std::string_view> nextToken(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && separates(line[pos]))
        ++pos;
    if (pos == line.size())
        return std::nullopt;
    const std::size_t start = pos;
    const std::size_t end = std::min(line.size(), start + maxTokenLength);
    while (pos < end && !separates(line[pos]))
        ++pos;
    return line.substr(start, pos - start);
}

// The token as a whole number; a number with a fraction is not one.
std::optional<int> wholeNumber(std::string_view token) {
    std::optional<double> value = parseDataNumber(token);
    if (!value || *value != std::floor(*value) || std::fabs(*value) > 1e9)
        return std::nullopt;
    return static_cast<int>(*value);
}

YearDay dayAfter(YearDay date) {
    if (date.day < daysInYear(date.year))
        return {date.year, date.day + 1};
    return {date.year + 1, 1};
}

struct DayLine {
    YearDay date;
    std::string rest; // the line after the day of year, as it stands
    std::string joined() const {
        return std::to_string(date.year) + '\t' + std::to_string(date.day) + rest;
    }
};

// A line of the existing file or of the output panel, as the update's
// messages and the note on an unreadable number name it.
struct LineAt {
    std::size_t index;      // 0-based
    std::string source;     // "site.wth", "the output panel"
    std::string noteSource; // "\"site.wth\"", "the output panel"
    std::string text() const { return "line " + std::to_string(index + 1) + " of " + source; }
};

LineAt fileLine(std::size_t index, const std::string& fileName) {
    return {index, fileName, '"' + fileName + '"'};
}

LineAt panelLine(std::size_t index) {
    return {index, "the output panel", "the output panel"};
}

int readWhole(std::string_view line, std::size_t& pos, const LineAt& at, int valueNumber,
              std::string_view missing) {
    std::optional<std::string_view> token = nextToken(line, pos);
    if (!token)
        throw UpdateStopped(std::string(missing) + " on " + at.text() + "." +
                            std::string(unchanged));
    std::optional<int> value = wholeNumber(*token);
    if (!value)
        throw UnreadableDayNumber(
            {long(at.index + 1), valueNumber, std::string(*token), at.noteSource});
    return *value;
}

// Year, day of year and the rest of a line; nothing for a blank line.
std::optional<DayLine> readDayLine(std::string_view line, const LineAt& at) {
    std::size_t pos = 0;
    if (!nextToken(line, pos))
        return std::nullopt;
    pos = 0;
    DayLine day;
    day.date.year = readWhole(line, pos, at, 1, "The year is missing");
    std::size_t afterYear = pos;
    if (day.date.year == 0 && !nextToken(line, afterYear))
        return day; // a lone 0 ends the data
    day.date.day = readWhole(line, pos, at, 2, "The day of year is missing");
    day.rest = std::string(line.substr(pos));
    return day;
}

void requireDate(YearDay date, const std::string& where) {
    if (date.year < 1 || date.year > 9999 || date.day < 1 || date.day > daysInYear(date.year))
        throw UpdateStopped("Day " + std::to_string(date.day) + " of " + std::to_string(date.year) +
                            " on " + where + " is not a date." + std::string(unchanged));
}

bool isBlank(std::string_view line) {
    return trimBlanks(line).empty();
}

std::string_view firstField(std::string_view line) {
    std::size_t pos = 0;
    return nextToken(line, pos).value_or(std::string_view());
}

bool startsWithTwoIntegers(std::string_view line) {
    std::size_t pos = 0;
    for (int k = 0; k < 2; ++k) {
        std::optional<std::string_view> token = nextToken(line, pos);
        if (!token || !parseInteger(*token))
            return false;
    }
    return true;
}

// The unit line of the weather layout: two empty fields, then "MJ/m2".
bool isUnitLine(std::string_view line) {
    std::size_t first = line.find('\t');
    if (first == std::string_view::npos || !isBlank(line.substr(0, first)))
        return false;
    std::size_t second = line.find('\t', first + 1);
    if (second == std::string_view::npos || !isBlank(line.substr(first + 1, second - first - 1)))
        return false;
    std::string_view third = line.substr(second + 1);
    return trimBlanks(third.substr(0, third.find('\t'))) == "MJ/m2";
}

std::optional<std::size_t> dataStartAfterUnitLine(const std::vector<std::string>& lines,
                                                  std::size_t unitLine) {
    for (std::size_t i = unitLine + 1; i < lines.size(); ++i)
        if (!isBlank(lines[i]))
            return unitLine + 1;
    return std::nullopt;
}

std::optional<std::size_t> dataStartByEqualFirstFields(const std::vector<std::string>& lines) {
    std::optional<long long> reference;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::optional<long long> value = parseInteger(firstField(lines[i]));
        if (!value)
            continue;
        if (reference && *value == *reference) {
            std::size_t start = i;
            while (start > 0 && startsWithTwoIntegers(lines[start - 1]))
                --start;
            return start;
        }
        reference = value;
    }
    return std::nullopt;
}

bool allBlankFrom(const std::vector<std::string>& lines, std::size_t from) {
    for (std::size_t i = from; i < lines.size(); ++i)
        if (!isBlank(lines[i]))
            return false;
    return true;
}

} // namespace

ExistingWeatherData readExistingWeatherData(const std::vector<std::string>& fileLines,
                                            const std::string& fileName) {
    if (fileLines.size() < 4)
        throw UpdateStopped(std::string(updateProblemsMessage));
    ExistingWeatherData data;
    data.lines.assign(fileLines.begin(), fileLines.begin() + 4);
    std::optional<std::size_t> lastLine;
    for (std::size_t i = 4; i < fileLines.size(); ++i) {
        std::optional<DayLine> day = readDayLine(fileLines[i], fileLine(i, fileName));
        if (!day)
            continue;
        if (day->date.year == 0)
            break;
        if (day->date.year < 0)
            continue;
        data.lines.push_back(day->joined());
        data.lastDay = day->date;
        lastLine = i;
    }
    if (!lastLine)
        throw UpdateStopped(std::string(updateProblemsMessage));
    requireDate(data.lastDay, fileLine(*lastLine, fileName).text());
    return data;
}

std::optional<std::size_t> findOutputDataStart(const std::vector<std::string>& outputLines) {
    for (std::size_t i = 0; i < outputLines.size(); ++i)
        if (isUnitLine(outputLines[i]))
            return dataStartAfterUnitLine(outputLines, i);
    return dataStartByEqualFirstFields(outputLines);
}

NewDays findNewDays(const std::vector<std::string>& outputLines, YearDay lastDay) {
    std::optional<std::size_t> start = findOutputDataStart(outputLines);
    if (!start)
        throw UpdateStopped(std::string(updateProblemsMessage));
    const YearDay next = dayAfter(lastDay);
    for (std::size_t i = *start; i < outputLines.size(); ++i) {
        std::optional<DayLine> day = readDayLine(outputLines[i], panelLine(i));
        if (!day)
            continue;
        requireDate(day->date, panelLine(i).text());
        if (day->date < lastDay)
            continue;
        NewDays found;
        if (day->date == lastDay) {
            if (allBlankFrom(outputLines, i + 1))
                return found;
        } else {
            found.lines.push_back(day->joined());
        }
        found.kind = day->date <= next ? NewDaysKind::Continues : NewDaysKind::Gap;
        found.lines.insert(found.lines.end(), outputLines.begin() + i + 1, outputLines.end());
        return found;
    }
    return NewDays{};
}

} // namespace climora
