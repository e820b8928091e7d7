#include "input/ColumnSuggestion.h"

#include "input/ColumnHeader.h"
#include "input/ColumnNameTable.h"
#include "input/ColumnValues.h"
#include "input/DataRowScan.h"

#include <map>

namespace climora {

namespace {

constexpr std::size_t sampleLines = 200;

struct DataColumn {
    SuggestedColumn suggestion;
    std::vector<double> values;
    ColumnStats stats;
    std::size_t field = 0;
    bool named = false;
};

using Parts = std::vector<std::size_t>; // values per field of one row

Parts partsOf(std::string_view row, Separator separator, bool* dashDate = nullptr) {
    Parts parts;
    for (const LineField& field : splitFields(row, separator)) {
        FieldValues read = fieldValues(field.text, separator);
        parts.push_back(read.values.size());
        if (dashDate && read.dashDate)
            *dashDate = true;
    }
    return parts;
}

// The shape most rows share; rows of another shape (a missing field) are
// left out of the value ranges.
std::string_view usualRow(const std::vector<std::string_view>& block, Separator separator) {
    std::map<Parts, std::size_t> shapes;
    for (std::string_view row : block)
        ++shapes[partsOf(row, separator)];
    Parts usual;
    std::size_t most = 0;
    for (const auto& [parts, count] : shapes)
        if (count > most) {
            most = count;
            usual = parts;
        }
    for (std::string_view row : block)
        if (partsOf(row, separator) == usual)
            return row;
    return block.front();
}

std::vector<DataColumn> readColumns(const std::vector<std::string_view>& block,
                                    std::string_view model, Separator separator) {
    Parts shape = partsOf(model, separator);
    std::vector<DataColumn> columns;
    for (std::size_t f = 0; f < shape.size(); ++f)
        for (std::size_t p = 0; p < shape[f]; ++p)
            columns.push_back(DataColumn{{}, {}, {}, f, false});
    for (std::string_view row : block) {
        if (partsOf(row, separator) != shape)
            continue;
        std::size_t c = 0;
        for (const LineField& field : splitFields(row, separator))
            for (double value : fieldValues(field.text, separator).values)
                columns[c++].values.push_back(value);
    }
    for (DataColumn& column : columns)
        column.stats = statsOf(column.values);
    return columns;
}

void place(DataColumn& column, int variable, std::string unit = {}) {
    column.suggestion.variable = variable;
    column.suggestion.unit = std::move(unit);
}

// A field of three numbers is a date when their ranges say which is which.
bool placeDate(std::vector<DataColumn>& columns, std::size_t first) {
    std::vector<int> order =
        dateOrder(columns[first].stats, columns[first + 1].stats, columns[first + 2].stats);
    if (order.empty())
        return false;
    for (std::size_t i = 0; i < 3; ++i)
        place(columns[first + i], order[i]);
    return true;
}

void placeByNames(std::vector<DataColumn>& columns, const HeaderNames& header) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
        DataColumn& column = columns[c];
        bool firstOfField = c == 0 || columns[c - 1].field != column.field;
        bool threeParts = c + 2 < columns.size() && columns[c + 2].field == column.field;
        if (firstOfField && threeParts && placeDate(columns, c)) {
            for (std::size_t i = 0; i < 3; ++i)
                columns[c + i].named = true;
            c += 2;
            continue;
        }
        if (!firstOfField || column.field >= header.names.size())
            continue;
        column.suggestion.name = header.names[column.field];
        if (column.suggestion.name.empty())
            continue;
        column.named = true;
        if (auto match = matchColumnName(column.suggestion.name, header.unitHints[column.field])) {
            place(column, match->variable, match->unit);
            column.suggestion.problem = match->problem;
        }
    }
}

// Day without a month is the day of the year; a date in one number must be
// the two-digit year and day of year.
void refineDates(std::vector<DataColumn>& columns) {
    bool month = false;
    for (const DataColumn& column : columns)
        month = month || column.suggestion.variable == Month;
    for (DataColumn& column : columns) {
        SuggestedColumn& s = column.suggestion;
        if (s.variable == Day && (!month || column.stats.max > 31))
            s.variable = DOY;
        if (s.variable == YYDOY && (column.stats.max > 99366 || !column.stats.integers)) {
            s.variable = NoVariable;
            s.problem = "a date in one number that no slot reads (use the year and day of year)";
        }
    }
}

void refineUnits(std::vector<DataColumn>& columns) {
    std::string temperatureUnit;
    bool fahrenheit = false;
    for (const DataColumn& column : columns) {
        int v = column.suggestion.variable;
        if (v != TMax && v != TMin && v != SoilT)
            continue;
        if (!column.suggestion.unit.empty())
            temperatureUnit = column.suggestion.unit;
        else
            fahrenheit = fahrenheit || looksFahrenheit(v, column.stats);
    }
    for (DataColumn& column : columns) {
        SuggestedColumn& s = column.suggestion;
        if (!isMeasured(s.variable) || !s.unit.empty())
            continue;
        if (s.variable == WndSpd && column.stats.mean > 60) {
            s.variable = NoVariable;
            s.problem = "too large for a daily wind speed; a wind run?";
            continue;
        }
        bool temperature = s.variable == TMax || s.variable == TMin || s.variable == SoilT;
        s.unit = temperature && !temperatureUnit.empty()
                     ? temperatureUnit
                     : unitByValues(s.variable, column.stats, fahrenheit);
    }
}

// Columns without a name: dates by their ranges; in a file without any
// names also a T-max, T-min pair and precipitation.
void placeByValues(std::vector<DataColumn>& columns, bool headerFound) {
    int previous = NoVariable;
    for (DataColumn& column : columns) {
        if (!column.named) {
            int date = dateVariableByValues(column.stats, previous);
            if (date > 0)
                place(column, date);
        }
        previous = column.suggestion.variable;
    }
    if (headerFound)
        return;
    for (std::size_t c = 0; c + 1 < columns.size(); ++c) {
        DataColumn& high = columns[c];
        DataColumn& low = columns[c + 1];
        bool free = high.suggestion.variable < 0 && low.suggestion.variable < 0;
        bool ordered = high.stats.count > 0 && high.stats.min > -60 && high.stats.max < 130 &&
                       low.stats.min > -80 && high.stats.mean > low.stats.mean;
        for (std::size_t r = 0; ordered && r < high.values.size(); ++r)
            ordered = !(high.values[r] < low.values[r]);
        if (!free || !ordered)
            continue;
        place(high, TMax);
        place(low, TMin);
        for (DataColumn& rain : columns)
            if (rain.suggestion.variable < 0 && rain.stats.min >= 0 && rain.stats.zeroShare >= 0.2)
                place(rain, Precip);
        return;
    }
}

// A variable in two columns: the run would read the later one; keep the first.
void dropRepeats(std::vector<DataColumn>& columns) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
        int v = columns[c].suggestion.variable;
        for (std::size_t earlier = 0; v > 0 && earlier < c; ++earlier)
            if (columns[earlier].suggestion.variable == v) {
                columns[c].suggestion.variable = NoVariable;
                columns[c].suggestion.unit.clear();
                columns[c].suggestion.problem =
                    "a second " + std::string(variableNames()[v]) + " column";
                break;
            }
    }
}

std::string columnLabel(std::size_t c, const SuggestedColumn& s) {
    std::string label = std::to_string(c + 1);
    if (!s.name.empty())
        label += " \"" + s.name + "\"";
    if (!s.problem.empty())
        label += " (" + s.problem + ")";
    return label;
}

std::vector<std::string> notesOf(const std::vector<DataColumn>& columns, bool dashDate) {
    std::vector<std::string> notes;
    if (dashDate)
        notes.push_back("dates with dashes: use \"Align input data using tabs\" first; the "
                        "suggested columns are those it makes");
    std::string empty;
    std::string beyond;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const SuggestedColumn& s = columns[c].suggestion;
        const ColumnStats& stats = columns[c].stats;
        if (s.variable == RelHum && stats.count > 0 && stats.max <= 1.5)
            notes.push_back("column " + std::to_string(c + 1) +
                            " (RelHum): values lie in 0-1.5, a fraction rather than %");
        if (c < static_cast<std::size_t>(slotCount) && s.variable < 0)
            empty += (empty.empty() ? "" : ", ") + columnLabel(c, s);
        if (c >= static_cast<std::size_t>(slotCount) && s.variable > 0)
            beyond += (beyond.empty() ? "" : ", ") + std::to_string(c + 1) + " (" +
                      std::string(variableNames()[s.variable]) + ")";
    }
    if (!empty.empty())
        notes.push_back("columns left empty: " + empty);
    if (!beyond.empty())
        notes.push_back("beyond the 12 slots (remove columns to reach them): " + beyond);
    return notes;
}

} // namespace

ColumnSuggestion suggestColumns(const std::vector<std::string>& lines,
                                std::optional<std::size_t> rows) {
    ColumnSuggestion suggestion;
    suggestion.rows = rows ? rows : dataStart(lines, sampleLines);
    if (!suggestion.rows) {
        suggestion.notes.push_back("no rows of numbers in the first 200 lines");
        return suggestion;
    }
    std::vector<std::string_view> block = dataBlock(lines, *suggestion.rows, sampleLines);
    if (block.empty()) {
        suggestion.notes.push_back("the file has " + std::to_string(lines.size()) + " lines; " +
                                   std::to_string(*suggestion.rows) +
                                   " rows before data start leave no data rows");
        return suggestion;
    }
    Separator separator = separatorOf(block.front());
    std::string_view model = usualRow(block, separator);
    bool dashDate = false;
    partsOf(model, separator, &dashDate);
    std::vector<std::string> header(lines.begin(),
                                    lines.begin() + std::min(*suggestion.rows, lines.size()));
    HeaderNames names = headerNames(header, model, separator);
    std::vector<DataColumn> columns = readColumns(block, model, separator);
    placeByNames(columns, names);
    placeByValues(columns, names.found);
    refineDates(columns);
    refineUnits(columns);
    dropRepeats(columns);
    suggestion.notes = notesOf(columns, dashDate);
    for (DataColumn& column : columns)
        suggestion.columns.push_back(std::move(column.suggestion));
    return suggestion;
}

ColumnSlots slotsOf(const ColumnSuggestion& suggestion) {
    ColumnSlots slots;
    for (std::size_t c = 0; c < std::min<std::size_t>(slotCount, suggestion.columns.size()); ++c) {
        const SuggestedColumn& column = suggestion.columns[c];
        if (column.variable < 0)
            continue;
        int slot = static_cast<int>(c);
        slots.chooseVariable(slot, column.variable);
        const std::vector<std::string>& units = unitsOf(column.variable);
        for (std::size_t u = 0; u < units.size(); ++u)
            if (units[u] == column.unit)
                slots[slot].unit = static_cast<int>(u);
    }
    return slots;
}

std::string columnsOptionText(const ColumnSuggestion& suggestion) {
    ColumnSlots slots = slotsOf(suggestion);
    int last = slotCount - 1;
    while (last >= 0 && slots[last].variable < 0)
        --last;
    std::string text;
    for (int k = 0; k <= last; ++k) {
        if (k > 0)
            text += ',';
        if (slots[k].variable < 0)
            continue;
        text += variableNames()[slots[k].variable];
        if (!hasSingleUnit(slots[k].variable) && !slots[k].unitText().empty())
            text += ":" + slots[k].unitText();
    }
    return text;
}

} // namespace climora
