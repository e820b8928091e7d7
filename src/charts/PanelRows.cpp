#include "charts/PanelRows.h"

#include "methods/RowDate.h"
#include "pipeline/NumberReader.h"
#include "pipeline/RowParser.h"
#include "pipeline/UnitFactors.h"
#include "tools/CleanData.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace climora {

namespace {

constexpr double gap = std::numeric_limits<double>::quiet_NaN();

struct ChartedVariable {
    int variable;
    SeriesKind kind;
    const char* name;
    const char* unit;
};

constexpr ChartedVariable chartedVariables[] = {
    {TMax, SeriesKind::TMax, "T-max", "oC"},
    {TMin, SeriesKind::TMin, "T-min", "oC"},
    {SoilT, SeriesKind::SoilT, "Soil-T", "oC"},
    {Precip, SeriesKind::Precip, "Precip", "mm"},
    {Solar, SeriesKind::Solar, "Solar", "MJ/m2/d"},
    {RelHum, SeriesKind::RelHum, "RelHum", "%"},
    {WndSpd, SeriesKind::WndSpd, "WndSpd", "m/s"},
    {ET, SeriesKind::ET, "ET", "mm"},
    {PanEvap, SeriesKind::PanEvap, "PanEvap", "mm"},
    {SunHr, SeriesKind::SunHr, "SunHr", "hr"},
    {SunHrPercent, SeriesKind::SunHrPercent, "SunHr%", "%"},
};

// value * factor + offset gives the chart's unit; factor 0: no conversion known.
struct Scale {
    double factor = 0;
    double offset = 0;
};

Scale scaleOf(int variable, const std::string& unit) {
    switch (variable) {
    case Solar:
        return {conversionUnitSolar(unit)};
    case TMax:
    case TMin:
    case SoilT:
        if (unit == "oF")
            return {1 / 1.8, -32 / 1.8};
        return {unit == "oC" ? 1.0 : 0.0};
    case Precip:
    case ET:
    case PanEvap:
        return {conversionUnitForWater(unit)};
    case WndSpd:
        return {conversionUnitWS(unit)};
    default:
        return {1};
    }
}

struct Column {
    int variable;
    Scale scale;
    std::size_t series;
};

class RowCollector {
  public:
    RowCollector(const ColumnSpec& spec, const PanelReading& reading)
        : spec_(spec), reading_(reading) {
        for (const ChartedVariable& v : chartedVariables) {
            Scale scale = scaleOf(v.variable, spec.unitOf(v.variable));
            if (!spec.holds(v.variable) || scale.factor == 0)
                continue;
            columns_.push_back({v.variable, scale, table_.series.size()});
            table_.series.push_back({v.kind, v.name, v.unit, {}});
        }
        if (reading.appendedEstimate) {
            bool solar = *reading.appendedEstimate == SeriesKind::EstimatedSolar;
            table_.series.push_back({*reading.appendedEstimate,
                                     solar ? "Solar (estimate)" : "ET (estimate)",
                                     solar ? "MJ/m2/d" : "mm",
                                     {}});
        }
    }

    void read(const std::string& line, long long lineNumber) {
        if (std::all_of(line.begin(), line.end(), [](unsigned char c) { return c <= 32; }))
            return;
        if (!readValues(line) || !addRow(lineNumber))
            ++table_.skippedLines;
    }

    ChartTable take() { return std::move(table_); }

  private:
    // The column-count numbers of the line (and its last one for an
    // appended estimate); false when it has fewer or a non-number.
    bool readValues(const std::string& raw) {
        std::string line = raw;
        cleanDataLineInPlace(line);
        std::size_t pos = 0;
        std::size_t count = 0;
        std::size_t wanted = spec_.columnCount;
        values_.clear();
        std::string_view token;
        while (!(token = nextToken(line, pos)).empty()) {
            if (count == wanted && !reading_.appendedEstimate)
                break;
            std::optional<double> value = parseDataNumber(token);
            if (!value)
                return false;
            if (count++ < wanted)
                values_.push_back(*value);
            estimate_ = *value;
        }
        bool estimated = !reading_.appendedEstimate || count > wanted;
        return values_.size() == wanted && estimated && values_[0] != 0;
    }

    bool addRow(long long lineNumber) {
        WeatherRecord record;
        try {
            for (int k = 0; k < spec_.columnCount; ++k)
                assignValue(spec_, record, k + 1, values_[k]);
        } catch (const InvalidNumericInput&) {
            return false;
        }
        std::optional<int> day = rowDayOfYear(record);
        if (record.year < 1 || record.year > 9999 || !day || *day > 366)
            return false;
        table_.days.push_back(daysSinceEpoch(record.year, *day));
        table_.lines.push_back(lineNumber);
        for (const Column& c : columns_)
            table_.series[c.series].values.push_back(converted(record.value(c.variable), c.scale));
        if (reading_.appendedEstimate)
            table_.series.back().values.push_back(estimate_);
        return true;
    }

    double converted(double value, Scale scale) const {
        if (reading_.missingSign && std::nearbyint(value) == *reading_.missingSign)
            return gap;
        return value * scale.factor + scale.offset;
    }

    const ColumnSpec& spec_;
    const PanelReading& reading_;
    std::vector<Column> columns_;
    std::vector<double> values_;
    double estimate_ = 0;
    ChartTable table_;
};

} // namespace

ColumnSpec chartColumnSpec(const ColumnSlots& slots) {
    ColumnSpec spec;
    for (int k = slotCount - 1; k >= 0 && spec.columnCount == 0; --k)
        if (slots[k].variable > 0)
            spec.columnCount = k + 1;
    assignVariableIndexAndUnitIndexToColumn(slots, spec);
    for (int k = 0; k < spec.columnCount; ++k)
        if (isMeasured(slots[k].variable))
            spec.unitTexts[slots[k].variable - firstMeasured] = slots[k].unitText().substr(0, 15);
    return spec;
}

ChartTable chartPanelRows(const std::vector<std::string>& lines, const ColumnSpec& spec,
                          const PanelReading& reading) {
    RowCollector collector(spec, reading);
    if (spec.columnCount == 0)
        return collector.take();
    long long first = std::max(0LL, reading.rowsBeforeData);
    for (long long i = first; i < static_cast<long long>(lines.size()); ++i)
        collector.read(lines[i], i);
    return collector.take();
}

} // namespace climora
