#include "input/DataRowScan.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <regex>

namespace climora {

namespace {

constexpr std::size_t shortestDataLine = 5;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string_view trimmedView(std::string_view text) {
    std::size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

std::optional<double> numberOf(std::string_view token) {
    double value = 0;
    auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size())
        return std::nullopt;
    return value;
}

// 2020-01-01 or 01-01-2020, perhaps followed by a time of day.
bool isDashDate(std::string_view text, std::vector<double>& parts) {
    static const std::regex date(
        R"((\d{4})-(\d{1,2})-(\d{1,2})([T ].*)?|(\d{1,2})-(\d{1,2})-(\d{4}))");
    std::match_results<std::string_view::const_iterator> found;
    if (!std::regex_match(text.begin(), text.end(), found, date))
        return false;
    int first = found[1].matched ? 1 : 5;
    for (int i = first; i < first + 3; ++i)
        parts.push_back(std::stod(found[i].str()));
    return true;
}

// Letters in two or more places of a field mark it as text (a name, a code).
bool isTextField(std::string_view field) {
    return std::count_if(field.begin(), field.end(), isLetter) >= 2;
}

std::size_t valueCount(std::string_view line) {
    Separator separator = separatorOf(line);
    std::size_t count = 0;
    for (const LineField& field : splitFields(line, separator))
        count += fieldValues(field.text, separator).values.size();
    return count;
}

// Where the lines from `begin` to `end` stop being rows of numbers, looking
// back from the end: the start of the numeric tail.
std::size_t numericTailStart(const std::vector<std::string>& lines, std::size_t begin,
                             std::size_t& end) {
    // Closing lines without a digit ("END DATA") hold no values for a run.
    while (end > begin && lines[end - 1].find_first_of("0123456789") == std::string::npos)
        --end;
    std::size_t start = end;
    while (start > begin && isNumberRow(lines[start - 1]))
        --start;
    return start;
}

// Numeric lines whose count of values differs from the block's (a line of
// years above the data) are header lines, when rows of the usual count follow.
std::size_t skipOddLeadingRows(const std::vector<std::string>& lines, std::size_t start,
                               std::size_t end) {
    std::map<std::size_t, std::size_t> counts;
    for (std::size_t i = start; i < end; ++i)
        ++counts[valueCount(lines[i])];
    std::size_t usual =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    std::size_t first = start;
    while (first < end && first - start < 3 && valueCount(lines[first]) != usual)
        ++first;
    bool usualRowsFollow = end - first >= 3;
    return usualRowsFollow ? first : start;
}

} // namespace

Separator separatorOf(std::string_view line) {
    auto commas = std::count(line.begin(), line.end(), ',');
    auto semicolons = std::count(line.begin(), line.end(), ';');
    if (semicolons > 0 && semicolons * 2 >= commas)
        return Separator::Semicolon;
    if (commas > 0)
        return Separator::Comma;
    if (line.find('\t') != std::string_view::npos)
        return Separator::Tab;
    return Separator::Blanks;
}

std::vector<LineField> splitFields(std::string_view line, Separator separator) {
    std::vector<LineField> fields;
    if (separator == Separator::Blanks) {
        std::size_t i = 0;
        while (i < line.size()) {
            std::size_t begin = line.find_first_not_of(" \t\r", i);
            if (begin == std::string_view::npos)
                break;
            std::size_t end = std::min(line.find_first_of(" \t\r", begin), line.size());
            fields.push_back({std::string(line.substr(begin, end - begin)), begin, end});
            i = end;
        }
        return fields;
    }
    char mark = separator == Separator::Tab ? '\t' : separator == Separator::Comma ? ',' : ';';
    bool quoted = false;
    LineField field;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || (line[i] == mark && !quoted)) {
            field.end = i;
            fields.push_back(field);
            field = LineField{"", i + 1, i + 1};
        } else if (line[i] == '"') {
            quoted = !quoted;
        } else {
            field.text += line[i];
        }
    }
    // A separator at the very end of the line does not open another field.
    if (fields.size() > 1 && trimmedView(fields.back().text).empty())
        fields.pop_back();
    return fields;
}

FieldValues fieldValues(std::string_view field, Separator separator) {
    FieldValues result;
    std::string_view text = trimmedView(field);
    bool delimited = separator == Separator::Comma || separator == Separator::Semicolon;
    if (text.empty()) {
        if (delimited)
            result.values.push_back(std::nan(""));
        return result;
    }
    if (isDashDate(text, result.values)) {
        result.dashDate = true;
        return result;
    }
    std::string cleaned(text);
    for (std::size_t i = 0; i < cleaned.size(); ++i) {
        char& c = cleaned[i];
        bool decimalComma = separator == Separator::Semicolon && c == ',' && i > 0 &&
                            i + 1 < cleaned.size() && isDigit(cleaned[i - 1]) &&
                            isDigit(cleaned[i + 1]);
        if (decimalComma)
            c = '.';
        else if (!isDigit(c) && c != '-' && c != '.')
            c = ' ';
    }
    for (const LineField& token : splitFields(cleaned, Separator::Blanks)) {
        std::optional<double> value = numberOf(token.text);
        if (!value)
            result.ok = false;
        else
            result.values.push_back(*value);
    }
    return result;
}

bool isNumberRow(std::string_view line) {
    if (line.size() < shortestDataLine)
        return false;
    Separator separator = separatorOf(line);
    std::size_t values = 0;
    std::size_t textFields = 0;
    std::size_t filledFields = 0;
    for (const LineField& field : splitFields(line, separator)) {
        FieldValues read = fieldValues(field.text, separator);
        if (!read.ok)
            return false;
        for (double value : read.values)
            values += std::isnan(value) ? 0 : 1;
        filledFields += trimmedView(field.text).empty() ? 0 : 1;
        textFields += isTextField(field.text) && !read.dashDate ? 1 : 0;
    }
    return values > 0 && textFields * 2 <= filledFields;
}

std::optional<std::size_t> dataStart(const std::vector<std::string>& lines,
                                     std::size_t sampleLines) {
    std::size_t sample = std::min(lines.size(), sampleLines);
    std::optional<std::size_t> best;
    std::size_t bestLength = 0;
    std::size_t begin = 0;
    // Blocks of data lines, each ended by a shorter line; the longest numeric
    // tail of a block is where the data start.
    while (begin < sample) {
        std::size_t blockEnd = begin;
        while (blockEnd < sample && lines[blockEnd].size() >= shortestDataLine)
            ++blockEnd;
        std::size_t end = blockEnd;
        std::size_t start = numericTailStart(lines, begin, end);
        if (end - start > bestLength) {
            bestLength = end - start;
            best = skipOddLeadingRows(lines, start, end);
        }
        begin = blockEnd + 1;
    }
    return best;
}

std::vector<std::string_view> dataBlock(const std::vector<std::string>& lines, std::size_t start,
                                        std::size_t limit) {
    std::vector<std::string_view> block;
    for (std::size_t i = start; i < lines.size() && block.size() < limit; ++i) {
        if (lines[i].size() < shortestDataLine)
            break;
        block.push_back(lines[i]);
    }
    return block;
}

} // namespace climora
