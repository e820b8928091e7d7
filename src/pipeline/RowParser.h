#pragma once

#include "input/ColumnSpec.h"
#include "pipeline/NumberReader.h"
#include "pipeline/WeatherRecord.h"

namespace climora {

// Stores value x of slot k (1-based) into the record by the slot's variable.
// Dates are rounded to whole numbers (halves to even); a YYDOY value gives
// the year (yy up to 20 is 20yy, else 19yy; a value of 1,000,000 or more is
// a four-digit year: YYYYDDD) and the day of year. A date
// beyond the range of an integer throws InvalidNumericInput.
void assignValue(const ColumnSpec& spec, WeatherRecord& record, int slot, double x);

// Reads one data row: the first column-count numbers, each handed to
// assignValue. A first number of exactly 0 means the row holds no data (this
// is also how the end of the file shows): nothing is assigned and the result
// is false. The caller skips the rest of the line. When `slotValues` is
// given, it receives the column-count numbers read.
bool readRow(NumberReader& reader, const ColumnSpec& spec, WeatherRecord& record,
             double* slotValues = nullptr);

} // namespace climora
