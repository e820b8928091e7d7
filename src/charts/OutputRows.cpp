#include "charts/OutputRows.h"

#include "pipeline/NumberReader.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace climora {

namespace {

constexpr std::string_view agroviaNames = "Year\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET";
constexpr std::string_view checkupTitle = "Report of weather data checkup.";

bool startsWith(const std::string& line, std::string_view prefix) {
    return line.compare(0, prefix.size(), prefix) == 0;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    return text;
}

long long namesLine(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size() && i < 8; ++i)
        if (trimmed(lines[i]) == agroviaNames)
            return static_cast<long long>(i);
    return -1;
}

std::optional<SeriesKind> estimateOf(const std::vector<std::string>& lines, bool appended) {
    if (lines.empty())
        return std::nullopt;
    std::string_view solar =
        appended ? "Solar radiation (last column" : "Solar radiation estimated";
    std::string_view et = appended ? "Reference ET (last column" : "Reference ET estimated";
    if (startsWith(lines[0], solar))
        return SeriesKind::EstimatedSolar;
    if (startsWith(lines[0], et))
        return SeriesKind::EstimatedET;
    return std::nullopt;
}

// The site line stands as line 2 (after the title, or after the names when
// the header had no title); it begins with the latitude.
std::optional<double> siteLatitude(const std::vector<std::string>& lines) {
    if (lines.size() < 2)
        return std::nullopt;
    std::size_t pos = 0;
    std::optional<double> latitude = parseDataNumber(nextToken(lines[1], pos));
    if (latitude && std::abs(*latitude) <= 90)
        return latitude;
    return std::nullopt;
}

struct AgroviaColumn {
    SeriesKind kind;
    const char* name;
    const char* unit;
};

constexpr std::array<AgroviaColumn, 6> agroviaColumns = {{
    {SeriesKind::Solar, "Solar", "MJ/m2/d"},
    {SeriesKind::TMax, "T-max", "oC"},
    {SeriesKind::TMin, "T-min", "oC"},
    {SeriesKind::RelHum, "RelHum", "%"},
    {SeriesKind::Precip, "Precip", "mm"},
    {SeriesKind::ET, "ET", "mm"},
}};

// Year, DOY and the six values of a data line; false for any other line.
bool readAgroviaLine(const std::string& line, std::array<double, 8>& fields) {
    std::size_t pos = 0;
    for (double& field : fields) {
        std::optional<double> value = parseDataNumber(nextToken(line, pos));
        if (!value)
            return false;
        field = *value;
    }
    return fields[0] >= 1 && fields[0] <= 9999 && fields[1] >= 1 && fields[1] <= 366;
}

void dropEmptyColumns(ChartTable& table) {
    std::erase_if(table.series, [](const DatedSeries& s) {
        return std::all_of(s.values.begin(), s.values.end(), [](double v) { return v == 0; });
    });
}

ChartTable agroviaRows(const std::vector<std::string>& lines, long long names) {
    ChartTable table;
    table.latitude = siteLatitude(lines);
    std::optional<SeriesKind> estimate = estimateOf(lines, false);
    for (const AgroviaColumn& c : agroviaColumns) {
        bool estimated =
            estimate && (*estimate == SeriesKind::EstimatedSolar ? c.kind == SeriesKind::Solar
                                                                 : c.kind == SeriesKind::ET);
        std::string name = std::string(c.name) + (estimated ? " (estimate)" : "");
        table.series.push_back({estimated ? *estimate : c.kind, name, c.unit, {}});
    }
    std::array<double, 8> fields{};
    for (std::size_t i = names + 1; i < lines.size(); ++i) {
        if (std::all_of(lines[i].begin(), lines[i].end(), [](unsigned char c) { return c <= 32; }))
            continue;
        if (startsWith(lines[i], "\t\tMJ/m2") || (i == 1 && table.latitude))
            continue; // the units line, or the site line below the names
        if (!readAgroviaLine(lines[i], fields)) {
            ++table.skippedLines;
            continue;
        }
        table.days.push_back(daysSinceEpoch(int(fields[0]), int(fields[1])));
        table.lines.push_back(static_cast<long long>(i));
        for (std::size_t c = 0; c < agroviaColumns.size(); ++c)
            table.series[c].values.push_back(fields[c + 2]);
    }
    dropEmptyColumns(table);
    return table;
}

} // namespace

OutputKind outputKind(const std::vector<std::string>& lines) {
    if (namesLine(lines) >= 0)
        return OutputKind::Agrovia;
    if (estimateOf(lines, true))
        return OutputKind::AppendedColumn;
    if (!lines.empty() && startsWith(lines[0], checkupTitle))
        return OutputKind::CheckupReport;
    return OutputKind::Other;
}

ChartTable chartOutputRows(const std::vector<std::string>& lines, const ColumnSpec& spec,
                           PanelReading reading) {
    switch (outputKind(lines)) {
    case OutputKind::Agrovia:
        return agroviaRows(lines, namesLine(lines));
    case OutputKind::AppendedColumn:
        reading.rowsBeforeData = std::max(1LL, reading.rowsBeforeData);
        reading.appendedEstimate = estimateOf(lines, true);
        return chartPanelRows(lines, spec, reading);
    default:
        return {};
    }
}

} // namespace climora
