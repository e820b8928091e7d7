#include "pipeline/Conversion.h"

#include "base/TextFile.h"
#include "input/Task.h"
#include "pipeline/Calendar.h"
#include "pipeline/DataRows.h"
#include "pipeline/FixedText.h"
#include "pipeline/UnitFactors.h"

#include <optional>

namespace climora {

TemperatureScale temperatureScaleOf(std::string_view unit) {
    if (unit == "oC")
        return TemperatureScale::Celsius;
    if (unit == "oF")
        return TemperatureScale::Fahrenheit;
    return TemperatureScale::Unknown;
}

namespace {

double toCelsius(double value, TemperatureScale scale) {
    switch (scale) {
    case TemperatureScale::Celsius:
        return value;
    case TemperatureScale::Fahrenheit:
        return (value - 32) / 1.8;
    default:
        return 0;
    }
}

} // namespace

ConversionFactors conversionFactorsOf(const ColumnSpec& spec) {
    return {conversionUnitSolar(spec.unitOf(Solar)), conversionUnitForWater(spec.unitOf(Precip)),
            conversionUnitForWater(spec.unitOf(ET)), temperatureScaleOf(spec.unitOf(TMax))};
}

std::optional<int> convertedDayOfYear(const WeatherRecord& record) {
    if (record.dayOfYear >= 1)
        return record.dayOfYear;
    if (record.year >= 1 && record.month >= 1 && record.day >= 1)
        return dayOfYearOf(record.year, record.month, record.day);
    return std::nullopt;
}

void appendAgroviaLine(std::string& text, const WeatherRecord& record, int dayOfYear,
                       const ConversionFactors& factors) {
    text.clear();
    appendInteger(text, record.year);
    text += '\t';
    appendInteger(text, dayOfYear);
    text += '\t';
    appendFixed(text, record.value(Solar) * factors.solar, 2);
    text += '\t';
    appendFixed(text, toCelsius(record.value(TMax), factors.temperature), 1);
    text += '\t';
    appendFixed(text, toCelsius(record.value(TMin), factors.temperature), 1);
    text += '\t';
    appendFixed(text, record.value(RelHum), 0);
    text += '\t';
    appendFixed(text, record.value(Precip) * factors.precipitation, 1);
    text += '\t';
    appendFixed(text, record.value(ET) * factors.et, 1);
}

void writeAgroviaHeader(const TaskContext& context, LineSource& input, TextLineWriter& output) {
    std::string line;
    for (long long i = 0; i < context.state.rowsBeforeData; ++i) {
        if (!input.next(line))
            line.clear();
        output.line(line);
    }
    if (context.state.rowsBeforeData == 0)
        output.line(context.inputName); // keeps four lines above the data
    output.line(agroviaColumnNames);
    output.line(agroviaUnits);
}

namespace {

// Tasks 4 to 7 hand in one estimate per row, which replaces the column's value.
int estimatedVariable(int task) {
    return taskTraits(task).estimatedVariable;
}

// One line per data row; false at a row without a date.
bool writeAgroviaRows(TaskContext& context, std::optional<TextLineReader>& estimateFile,
                      TextLineWriter& output, const ConversionFactors& factors) {
    int estimated = estimatedVariable(context.state.task);
    DataRows rows(context, DataRows::Mode::Replay);
    std::optional<NumberReader> estimates;
    if (estimateFile)
        estimates.emplace(*estimateFile);
    WeatherRecord& record = context.record;
    ConvertedRows converted(context, factors, output);
    while (converted.dated() && rows.next()) {
        if (estimates) {
            record.value(estimated) = estimates->next();
            estimates->skipLine();
        }
        converted.add(record);
        if (converted.dated())
            context.gauge.step();
    }
    return converted.dated();
}

} // namespace

void ConvertedRows::add(const WeatherRecord& record) {
    if (!dated_)
        return;
    std::optional<int> dayOfYear = convertedDayOfYear(record);
    if (!dayOfYear) {
        dated_ = false;
        return;
    }
    appendAgroviaLine(line_, record, *dayOfYear, factors_);
    output_.line(line_);
    if (context_.dayConverted)
        context_.dayConverted(record, *dayOfYear);
    ++count_;
}

void convertRearrange(TaskContext& context) {
    const ColumnSpec& spec = context.spec;
    ConversionFactors factors = conversionFactorsOf(spec);
    if (spec.unitOf(TMax) != spec.unitOf(TMin)) {
        context.messenger.reportError("Units of Tmax and Tmin need to be the same.");
        context.state.abort = true;
        return;
    }
    std::optional<TextLineReader> estimateFile;
    if (estimatedVariable(context.state.task) != NoVariable)
        estimateFile.emplace(context.work.file(temporary::estimates), TextSource::OwnUtf8);
    TextLineWriter output(context.work.file(temporary::output));
    {
        TextLineReader input(context.work.file(temporary::input), TextSource::OwnUtf8);
        writeAgroviaHeader(context, input, output);
    }
    bool dated = writeAgroviaRows(context, estimateFile, output, factors);
    output.close();
    if (!dated) {
        context.messenger.reportError("Date is missing. Check the input data and try again.");
        context.state.abort = true;
    }
}

} // namespace climora
