#include "pipeline/DataCheckup.h"

#include "base/TextFile.h"
#include "input/Task.h"
#include "pipeline/Calendar.h"
#include "pipeline/Conversion.h"
#include "pipeline/DataRows.h"
#include "pipeline/FixedText.h"
#include "pipeline/RowParser.h"
#include "pipeline/UnitFactors.h"

#include <optional>

namespace climora {
namespace {

constexpr const char* formatProblem =
    "The program has encountered problems with data format. Operation aborted.";

// A row the checkup cannot place in time; its message is already chosen.
struct DateProblem {
    const char* message;
};

struct CheckupFactors {
    double solar;
    double precipitation;
    double et;
    double pan;
    double wind;
    bool celsius;
};

// Values of a row in MJ/m2/d, mm, m/s and oC.
struct ComparedValues {
    double solar, tMax, tMin, soilT, relHum, precip, et, pan, sunHr, sunPercent, wind;
};

ComparedValues comparedValues(const WeatherRecord& r, const CheckupFactors& f) {
    auto celsius = [&](double v) { return f.celsius ? v : (v - 32) / 1.8; };
    return {r.value(Solar) * f.solar, celsius(r.value(TMax)),   celsius(r.value(TMin)),
            celsius(r.value(SoilT)),  r.value(RelHum),          r.value(Precip) * f.precipitation,
            r.value(ET) * f.et,       r.value(PanEvap) * f.pan, r.value(SunHr),
            r.value(SunHrPercent),    r.value(WndSpd) * f.wind};
}

bool outside(double v, double low, double high) {
    return v > high || v < low;
}

bool suspiciousValue(const WeatherRecord& r, const ComparedValues& v, double solarFactor) {
    if (solarFactor > 0 && r.has(Solar) && (v.solar > 60 || v.solar == 0))
        return true;
    if (r.has(TMax) && r.has(TMin) && v.tMax <= v.tMin)
        return true;
    return (r.has(TMax) && v.tMax > 60) || (r.has(TMin) && v.tMin < -50) ||
           (r.has(SoilT) && outside(v.soilT, -50, 60)) ||
           (r.has(RelHum) && outside(v.relHum, 0, 100)) ||
           (r.has(Precip) && outside(v.precip, 0, 1000)) || (r.has(ET) && outside(v.et, 0, 100)) ||
           (r.has(PanEvap) && outside(v.pan, 0, 100)) ||
           (r.has(SunHr) && outside(v.sunHr, 0, 24)) ||
           (r.has(SunHrPercent) && outside(v.sunPercent, 0, 100)) || (r.has(WndSpd) && v.wind < 0);
}

struct Sequence {
    bool started = false;
    int year = 0;
    int dayOfYear = 0;

    // Gaps and steps back count within a year only; a repeat in any case.
    bool broken(int year, int d) const {
        if (d == dayOfYear)
            return true;
        return year == this->year && (d > dayOfYear + 1 || d < dayOfYear);
    }
};

int rowDayOfYear(const WeatherRecord& r, bool doyMode) {
    if (doyMode && r.dayOfYear >= 1 && r.dayOfYear <= 366)
        return r.dayOfYear;
    if (doyMode && (r.dayOfYear < 0 || r.dayOfYear > 366))
        throw DateProblem{"Input of DOY (day of year) is wrong."};
    if (r.year >= 1 && r.month >= 1 && r.day >= 1) {
        std::optional<int> d = dayOfYearOf(r.year, r.month, r.day);
        if (!d)
            throw DateProblem{formatProblem};
        return *d;
    }
    throw DateProblem{"This function requires date (either by year and DOY, or by year, month "
                      "and day). However the date information is not complete."};
}

void appendReportLine(std::string& line, const WeatherRecord& r, int d, bool doyMode) {
    line.clear();
    line += '\t';
    appendInteger(line, r.year);
    line += " / ";
    if (doyMode) {
        appendInteger(line, d);
        return;
    }
    appendInteger(line, r.month);
    line += " / ";
    appendInteger(line, r.day);
}

CheckupResult fail(TaskContext& context, const char* message) {
    context.messenger.reportError(message);
    context.state.abort = true;
    return CheckupResult::Failed;
}

void writeReportHeader(TextLineWriter& report, bool doyMode) {
    report.line("Report of weather data checkup.");
    report.line("Input data can be edited directly in the input data panel.");
    report.line("");
    report.line(doyMode ? "Suspicious data are spotted on (year / DOY):"
                        : "Suspicious data are spotted on (year / month / day):");
}

// The outcome of a pass that went through every row.
CheckupResult announceOutcome(TaskContext& context, bool suspicious) {
    bool taskThree = context.state.task == task::checkData;
    if (suspicious) {
        context.state.abort = true;
        context.messenger.tone(Tone::Error);
        context.messenger.warning(taskThree
                                      ? "Data erros are spotted!"
                                      : "Data erros are spotted. Correct them and process again.");
        context.panel.loadFile(context.work.file(temporary::output));
        return CheckupResult::Suspicious;
    }
    if (taskThree) {
        context.state.abort = true;
        context.messenger.notify("No suspicious data are spotted.");
    }
    return CheckupResult::Clean;
}

CheckupFactors checkupFactorsOf(const ColumnSpec& spec) {
    return {conversionUnitSolar(spec.unitOf(Solar)),
            conversionUnitForWater(spec.unitOf(Precip)),
            conversionUnitForWater(spec.unitOf(ET)),
            conversionUnitForWater(spec.unitOf(PanEvap)),
            conversionUnitWS(spec.unitOf(WndSpd)),
            temperatureScaleOf(spec.unitOf(TMax)) == TemperatureScale::Celsius};
}

} // namespace

struct CheckupScreen::Screening {
    CheckupFactors factors;
    bool doyMode;
    Sequence previous;
    std::string line;
};

CheckupScreen::CheckupScreen(TaskContext& context, ScreenedRowWatch eachRow)
    : context_(context), eachRow_(std::move(eachRow)),
      report_(context.work.file(temporary::checkup)) {
    const ColumnSpec& spec = context.spec;
    bool doyMode = spec.holds(DOY) || spec.holds(YYDOY);
    screening_.reset(new Screening{checkupFactorsOf(spec), doyMode, {}, {}});
    writeReportHeader(report_.writer(), doyMode);
}

CheckupScreen::~CheckupScreen() = default;

bool CheckupScreen::screen() {
    if (problem_)
        return false;
    Screening& s = *screening_;
    const WeatherRecord& record = context_.record;
    try {
        int d = rowDayOfYear(record, s.doyMode);
        if (!s.previous.started)
            s.previous = {true, record.year, d - 1};
        bool suspicious =
            s.previous.broken(record.year, d) ||
            suspiciousValue(record, comparedValues(record, s.factors), s.factors.solar);
        if (suspicious) {
            appendReportLine(s.line, record, d, s.doyMode);
            report_.writer().line(s.line);
            suspicious_ = true;
        }
        s.previous.year = record.year;
        s.previous.dayOfYear = d;
    } catch (const DateProblem& date) {
        problem_ = date.message;
        return false;
    }
    if (eachRow_)
        eachRow_(record);
    ++rows_;
    return true;
}

void CheckupScreen::addRow(const double* values) {
    if (problem_)
        return;
    try {
        for (int k = 1; k <= context_.spec.columnCount; ++k)
            assignValue(context_.spec, context_.record, k, values[k - 1]);
    } catch (const InvalidNumericInput&) {
        endAtUnreadable();
        return;
    }
    screen();
}

void CheckupScreen::endAtUnreadable() {
    if (!problem_)
        problem_ = formatProblem;
}

CheckupResult CheckupScreen::announce() {
    for (long i = 0; i < rows_; ++i)
        context_.gauge.step();
    report_.commit(context_.work.file(temporary::output));
    return problem_ ? fail(context_, problem_) : announceOutcome(context_, suspicious_);
}

bool checkupScreensRows(const ColumnSpec& spec) {
    return spec.unitOf(TMax) == spec.unitOf(TMin);
}

CheckupResult dataCheckup(TaskContext& context, const ScreenedRowWatch& eachRow) {
    if (!checkupScreensRows(context.spec))
        return fail(context, "Unit of Tmax and Tmin should be the same.");
    CheckupScreen screen(context, eachRow);
    try {
        DataRows rows(context, DataRows::Mode::Record);
        while (rows.next() && screen.screen()) {
        }
    } catch (const InvalidNumericInput&) {
        screen.endAtUnreadable();
    }
    return screen.announce();
}

} // namespace climora
