#include "pipeline/Calendar.h"

#include <array>

namespace climora {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInYear(int year) {
    return isLeapYear(year) ? 366 : 365;
}

std::optional<int> dayOfYearOf(int year, int month, int day) {
    static constexpr std::array<int, 12> monthDays = {31, 28, 31, 30, 31, 30,
                                                      31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    int length = monthDays[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
    if (day > length)
        return std::nullopt;
    int total = day;
    for (int m = 1; m < month; ++m)
        total += monthDays[m - 1] + (m == 2 && isLeapYear(year) ? 1 : 0);
    return total;
}

} // namespace climora
