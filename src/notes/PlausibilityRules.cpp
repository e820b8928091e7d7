#include "notes/PlausibilityRules.h"

#include "input/Variables.h"
#include "methods/RowDate.h"
#include "methods/SolarGeometry.h"
#include "pipeline/Conversion.h"
#include "pipeline/FixedText.h"
#include "pipeline/UnitFactors.h"

#include <algorithm>
#include <numeric>

namespace climora {
namespace {

// A row's values in MJ/m2/d, oC, mm and m/s.
struct RowFacts {
    const WeatherRecord& record;
    double solar, tMax, tMin, precip, wind, dewPoint;
    std::optional<double> clearSky; // MJ/m2/d, when the latitude and date are known
};

struct RowRule {
    int variable;
    const char* what;
    bool (*hits)(const RowFacts&);
};

// Values within the checkup's limits that no real day has.
const RowRule rowRules[] = {
    {TMax, "T-max - T-min above 45 oC",
     [](const RowFacts& f) { return f.record.has(TMin) && f.tMax - f.tMin > 45; }},
    {Solar, "above the clear-sky radiation of the day by more than 10 %",
     [](const RowFacts& f) { return f.clearSky && f.solar > 1.1 * *f.clearSky; }},
    {Precip, "above 400 mm in a day", [](const RowFacts& f) { return f.precip > 400; }},
    {WndSpd, "above 40 m/s", [](const RowFacts& f) { return f.wind > 40; }},
    {Dewpoint, "dew point above the day's T-max",
     [](const RowFacts& f) { return f.record.has(TMax) && f.dewPoint > f.tMax; }},
};

using Stats = PlausibilityNotes::ColumnStats;

struct ColumnRule {
    int variable;
    const char* unit; // the unit text the rule applies to; nullptr: any
    bool (*hits)(const Stats&);
    const char* what; // "%m" stands for the column's mean
};

// Whole columns whose values together point to another unit. The oF rule
// looks at T-max alone: winter minima in oF lie in -10..45 as a rule.
const ColumnRule columnRules[] = {
    {RelHum, nullptr, [](const Stats& s) { return s.min >= 0 && s.max <= 1.5 && s.max > 0; },
     "values all lie in 0-1.5, a fraction rather than %"},
    {TMax, "oC", [](const Stats& s) { return s.mean() > 45; }, "mean %m in oC, probably oF"},
    {TMin, "oC", [](const Stats& s) { return s.mean() > 45; }, "mean %m in oC, probably oF"},
    {TMax, "oF", [](const Stats& s) { return s.min >= -10 && s.max <= 45; },
     "values all lie in -10..45 oF, probably oC"},
    {Solar, "MJ/m2/d", [](const Stats& s) { return s.mean() > 35; },
     "mean %m MJ/m2/d, probably W/m2"},
    {Solar, "W/m2", [](const Stats& s) { return s.mean() < 35; }, "mean %m W/m2, probably MJ/m2/d"},
    {Solar, "Langley", [](const Stats& s) { return s.mean() < 35; },
     "mean %m Langley, probably MJ/m2/d"},
};

std::string countText(long rows, long firstLine) {
    return "; " + std::to_string(rows) + (rows == 1 ? " row" : " rows") + ", first on line " +
           std::to_string(firstLine);
}

std::string withMean(std::string what, double mean) {
    std::size_t at = what.find("%m");
    if (at != std::string::npos) {
        std::string number;
        appendFixed(number, mean, 1);
        what.replace(at, 2, number);
    }
    return what;
}

double celsius(double value, bool fahrenheit) {
    return fahrenheit ? (value - 32) / 1.8 : value;
}

} // namespace

std::string columnLabel(const ColumnSpec& spec, int variable) {
    int column = 0;
    for (int k = 1; k <= spec.columnCount; ++k)
        if (spec.variable.at(k - 1) == variable)
            column = k;
    return "COLUMN " + std::to_string(column) + " (" + std::string(variableNames().at(variable)) +
           "): ";
}

PlausibilityNotes::PlausibilityNotes(PlausibilityContext context)
    : context_(context), solarFactor_(conversionUnitSolar(context.spec.unitOf(Solar))),
      precipFactor_(conversionUnitForWater(context.spec.unitOf(Precip))),
      windFactor_(conversionUnitWS(context.spec.unitOf(WndSpd))),
      fahrenheit_(temperatureScaleOf(context.spec.unitOf(TMax)) == TemperatureScale::Fahrenheit),
      dewPointFahrenheit_(temperatureScaleOf(context.spec.unitOf(Dewpoint)) ==
                          TemperatureScale::Fahrenheit),
      rowRuleLines_(std::size(rowRules)) {
    if (context.latitude)
        days_.emplace(latitudeInRadians(*context.latitude), AngstromCoefficients{});
}

void PlausibilityNotes::add(const WeatherRecord& r, long line) {
    if (rows_++ == 0)
        firstLine_ = line;
    RowFacts facts{r,
                   r.value(Solar) * solarFactor_,
                   celsius(r.value(TMax), fahrenheit_),
                   celsius(r.value(TMin), fahrenheit_),
                   r.value(Precip) * precipFactor_,
                   r.value(WndSpd) * windFactor_,
                   celsius(r.value(Dewpoint), dewPointFahrenheit_),
                   std::nullopt};
    if (days_ && r.has(Solar))
        if (std::optional<int> day = rowDayOfYear(r))
            facts.clearSky = days_->of(*day).rso;
    for (std::size_t i = 0; i < std::size(rowRules); ++i)
        if (r.has(rowRules[i].variable) && rowRules[i].hits(facts))
            rowRuleLines_[i].push_back(line);
    for (int v = firstMeasured; v <= lastMeasured; ++v) {
        if (!r.has(v))
            continue;
        Stats& s = stats_[v - firstMeasured];
        double x = r.value(v);
        s.min = s.count ? std::min(s.min, x) : x;
        s.max = s.count ? std::max(s.max, x) : x;
        s.sum += x;
        ++s.count;
    }
}

// The rows are consecutive lines from the first on.
std::vector<long> PlausibilityNotes::everyLine() const {
    std::vector<long> lines(static_cast<std::size_t>(rows_));
    std::iota(lines.begin(), lines.end(), firstLine_);
    return lines;
}

std::vector<Note> PlausibilityNotes::notes() const {
    std::vector<Note> notes;
    const ColumnSpec& spec = context_.spec;
    for (std::size_t i = 0; i < std::size(rowRules); ++i) {
        const std::vector<long>& lines = rowRuleLines_[i];
        if (!lines.empty())
            notes.push_back({columnLabel(spec, rowRules[i].variable) + rowRules[i].what +
                                 countText(static_cast<long>(lines.size()), lines.front()),
                             lines});
    }
    for (const ColumnRule& rule : columnRules) {
        const Stats& s = stats_[rule.variable - firstMeasured];
        if (s.count == 0 || (rule.unit && spec.unitOf(rule.variable) != rule.unit) || !rule.hits(s))
            continue;
        notes.push_back({columnLabel(spec, rule.variable) + withMean(rule.what, s.mean()) +
                             countText(s.count, firstLine_),
                         everyLine()});
    }
    return notes;
}

} // namespace climora
