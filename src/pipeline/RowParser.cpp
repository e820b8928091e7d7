#include "pipeline/RowParser.h"

#include <climits>
#include <cmath>

namespace climora {
namespace {

int roundToInt(double x) {
    if (x >= INT_MIN && x <= INT_MAX && x == static_cast<double>(static_cast<int>(x)))
        return static_cast<int>(x); // already whole: no rounding needed
    double rounded = std::nearbyint(x);
    if (!(rounded >= INT_MIN && rounded <= INT_MAX))
        throw InvalidNumericInput();
    return static_cast<int>(rounded);
}

// A day of year beyond the integer range is still a wrong day: it is kept
// out of 1..366 for the data checkup to refuse instead of failing the read.
int dayOfYearValue(double x) {
    double rounded = std::nearbyint(x);
    if (rounded > INT_MAX)
        return INT_MAX;
    if (rounded < INT_MIN)
        return INT_MIN;
    return roundToInt(x);
}

// Seven-digit values (1,000,000 and up) carry the whole year: YYYYDDD.
void assignYyDoy(WeatherRecord& record, double x) {
    int whole = roundToInt(std::trunc(x / 1000));
    if (x >= 1000000)
        record.year = whole;
    else
        record.year = whole <= 20 ? 2000 + whole : 1900 + whole;
    double scaled = std::nearbyint(x) / 1000;
    record.dayOfYear = roundToInt((scaled - std::trunc(scaled)) * 1000);
    record.present[Year] = true;
    record.present[DOY] = true;
}

} // namespace

void assignValue(const ColumnSpec& spec, WeatherRecord& record, int slot, double x) {
    int variable = spec.variable.at(slot - 1);
    switch (variable) {
    case NoVariable:
        return;
    case Ignore:
        record.ignored = x;
        return;
    case Year:
        record.year = roundToInt(x);
        break;
    case Month:
        record.month = roundToInt(x);
        break;
    case Day:
        record.day = roundToInt(x);
        break;
    case DOY:
        record.dayOfYear = dayOfYearValue(x);
        break;
    case YYDOY:
        assignYyDoy(record, x);
        return;
    default:
        record.value(variable) = x;
        break;
    }
    record.present[variable] = true;
}

bool readRow(NumberReader& reader, const ColumnSpec& spec, WeatherRecord& record,
             double* slotValues) {
    for (int k = 1; k <= spec.columnCount; ++k) {
        double x = reader.next();
        if (k == 1 && x == 0)
            return false;
        assignValue(spec, record, k, x);
        if (slotValues)
            slotValues[k - 1] = x;
    }
    return true;
}

} // namespace climora
