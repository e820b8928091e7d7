#include "charts/ChartTable.h"

#include <chrono>
#include <cstdio>

namespace climora {

const DatedSeries* ChartTable::find(SeriesKind kind) const {
    for (const DatedSeries& s : series)
        if (s.kind == kind)
            return &s;
    return nullptr;
}

long long daysSinceEpoch(int year, int dayOfYear) {
    using namespace std::chrono;
    sys_days first = std::chrono::year{year} / January / 1;
    return first.time_since_epoch().count() + dayOfYear - 1;
}

std::string isoDate(long long days) {
    using namespace std::chrono;
    year_month_day date{sys_days{std::chrono::days{days}}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()));
    return text;
}

} // namespace climora
