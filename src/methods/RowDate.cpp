#include "methods/RowDate.h"

#include "pipeline/Calendar.h"

namespace climora {

std::optional<int> rowDayOfYear(const WeatherRecord& record) {
    if (record.dayOfYear > 0)
        return record.dayOfYear;
    if (record.year > 0 && record.month > 0 && record.day > 0)
        return dayOfYearOf(record.year, record.month, record.day);
    return std::nullopt;
}

} // namespace climora
