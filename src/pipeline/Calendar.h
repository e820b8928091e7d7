#pragma once

#include <optional>

namespace climora {

bool isLeapYear(int year);
// 366 in a leap year, else 365.
int daysInYear(int year);
// Day of year of a date (1 January is 1); nothing for a date that does not
// exist (month 13, 30 February, day 0).
std::optional<int> dayOfYearOf(int year, int month, int day);

} // namespace climora
