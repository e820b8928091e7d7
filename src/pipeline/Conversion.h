#pragma once

#include "pipeline/TaskContext.h"

#include "base/TextFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace climora {

enum class TemperatureScale { Celsius, Fahrenheit, Unknown };
// "oC", "oF", anything else.
TemperatureScale temperatureScaleOf(std::string_view unit);

// The two lines between the header and the data of an Agrovia weather file.
inline constexpr std::string_view agroviaColumnNames =
    "Year\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET";
inline constexpr std::string_view agroviaUnits = "\t\tMJ/m2\toC\toC\t%\tmm\tmm";

// Converts the data rows of Input.~ into the Agrovia daily layout in
// Output.~: the header lines (or, without any, the input name as the title),
// the column names, the units and one tab-separated line per day in MJ/m2/d,
// oC and mm. Tasks 4 to 7 take their estimate for each row from Out.~.
// Reports unequal temperature units and rows without a date.
void convertRearrange(TaskContext& context);

// The pieces of the conversion, for a pass that converts rows as they come.
struct ConversionFactors {
    double solar;
    double precipitation;
    double et;
    TemperatureScale temperature;
};
ConversionFactors conversionFactorsOf(const ColumnSpec& spec);
// The row's day of year: its DOY when given, else the day of its date.
std::optional<int> convertedDayOfYear(const WeatherRecord& record);
// One data line of the layout (without its line end) in `text`.
void appendAgroviaLine(std::string& text, const WeatherRecord& record, int dayOfYear,
                       const ConversionFactors& factors);
// Writes converted rows, a line each, and hands each to the context's
// dayConverted; stops at the first row without a date.
class ConvertedRows {
  public:
    ConvertedRows(const TaskContext& context, const ConversionFactors& factors,
                  TextLineWriter& output)
        : context_(context), factors_(factors), output_(output) {}

    void add(const WeatherRecord& record);
    bool dated() const { return dated_; }
    long count() const { return count_; }

  private:
    const TaskContext& context_;
    ConversionFactors factors_;
    TextLineWriter& output_;
    std::string line_;
    long count_ = 0;
    bool dated_ = true;
};

// The N header lines from `input` (empty past its end, or the input name
// when N is 0), then the column names and units.
void writeAgroviaHeader(const TaskContext& context, LineSource& input, TextLineWriter& output);

} // namespace climora
