#include "input/ColumnHeader.h"

#include "input/ColumnNameTable.h"

#include <algorithm>

namespace climora {

namespace {

char markOf(Separator separator) {
    switch (separator) {
    case Separator::Comma:
        return ',';
    case Separator::Semicolon:
        return ';';
    case Separator::Tab:
        return '\t';
    default:
        return ' ';
    }
}

// A header line splits like the data when it holds their separator.
Separator headerSeparator(std::string_view line, Separator dataSeparator) {
    if (dataSeparator != Separator::Blanks &&
        line.find(markOf(dataSeparator)) != std::string_view::npos)
        return dataSeparator;
    return Separator::Blanks;
}

std::size_t knownNames(const std::vector<LineField>& fields) {
    return static_cast<std::size_t>(std::count_if(
        fields.begin(), fields.end(), [](const LineField& f) { return matchColumnName(f.text); }));
}

std::size_t overlap(const LineField& a, const LineField& b) {
    std::size_t begin = std::max(a.begin, b.begin);
    std::size_t end = std::min(a.end, b.end);
    return end > begin ? end - begin : 0;
}

// Names over fixed columns: each word goes to the field it overlaps most.
std::vector<std::string> namesByPosition(const std::vector<LineField>& words,
                                         const std::vector<LineField>& fields) {
    std::vector<std::string> names(fields.size());
    for (const LineField& word : words) {
        std::size_t best = fields.size();
        std::size_t bestOverlap = 0;
        for (std::size_t f = 0; f < fields.size(); ++f)
            if (overlap(word, fields[f]) > bestOverlap) {
                bestOverlap = overlap(word, fields[f]);
                best = f;
            }
        if (best < fields.size())
            names[best] += (names[best].empty() ? "" : " ") + word.text;
    }
    return names;
}

std::string trimmedText(const std::string& text) {
    std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

std::vector<std::string> textsOf(const std::vector<LineField>& fields, std::size_t count) {
    std::vector<std::string> texts(count);
    for (std::size_t i = 0; i < std::min(count, fields.size()); ++i)
        texts[i] = trimmedText(fields[i].text);
    return texts;
}

bool isUnitsLine(const std::vector<LineField>& fields) {
    return !fields.empty() && std::all_of(fields.begin(), fields.end(), [](const LineField& f) {
        return f.text.front() == '(' && f.text.back() == ')';
    });
}

// "(MJ/m^2)" -> "MJ/m^2"
std::string insideBrackets(const std::string& text) {
    std::size_t open = text.find('(');
    if (open == std::string::npos)
        return {};
    std::size_t close = text.find(')', open);
    return text.substr(open + 1, close == std::string::npos ? close : close - open - 1);
}

// A legend line starts with the name and gives the unit in brackets after it.
std::string legendUnit(const std::vector<std::string>& headerLines, const std::string& name) {
    std::string wanted = normalizedName(name);
    for (const std::string& line : headerLines) {
        std::vector<LineField> words = splitFields(line, Separator::Blanks);
        std::size_t first = !words.empty() && words[0].text == "#" ? 1 : 0;
        if (words.size() <= first + 1 || normalizedName(words[first].text) != wanted)
            continue;
        std::string unit = insideBrackets(line.substr(words[first].end));
        if (!unit.empty())
            return unit;
    }
    return {};
}

} // namespace

HeaderNames headerNames(const std::vector<std::string>& headerLines, std::string_view dataRow,
                        Separator separator) {
    std::vector<LineField> fields = splitFields(dataRow, separator);
    HeaderNames header{std::vector<std::string>(fields.size()),
                       std::vector<std::string>(fields.size()), false};
    std::size_t bestScore = 0;
    std::size_t bestLine = 0;
    for (std::size_t i = 0; i < headerLines.size(); ++i) {
        Separator split = headerSeparator(headerLines[i], separator);
        std::size_t score = knownNames(splitFields(headerLines[i], split));
        if (score > 0 && score >= bestScore) {
            bestScore = score;
            bestLine = i;
        }
    }
    if (bestScore == 0)
        return header;
    header.found = true;
    const std::string& line = headerLines[bestLine];
    Separator split = headerSeparator(line, separator);
    std::vector<LineField> words = splitFields(line, split);
    bool byPosition = separator == Separator::Blanks && words.size() != fields.size();
    header.names = byPosition ? namesByPosition(words, fields) : textsOf(words, fields.size());
    if (bestLine + 1 < headerLines.size()) {
        std::vector<LineField> units = splitFields(headerLines[bestLine + 1], Separator::Blanks);
        if (isUnitsLine(units) && units.size() == words.size())
            for (std::size_t f = 0; f < std::min(units.size(), fields.size()); ++f)
                header.unitHints[f] = insideBrackets(units[f].text);
    }
    for (std::size_t f = 0; f < fields.size(); ++f)
        if (header.unitHints[f].empty() && !header.names[f].empty())
            header.unitHints[f] = legendUnit(headerLines, header.names[f]);
    return header;
}

} // namespace climora
