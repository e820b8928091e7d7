#include "methods/RowDate.h"

#include <gtest/gtest.h>

using namespace climora;

namespace {

std::optional<int> dayOf(int dayOfYear, int year, int month, int day) {
    WeatherRecord record;
    record.dayOfYear = dayOfYear;
    record.year = year;
    record.month = month;
    record.day = day;
    return rowDayOfYear(record);
}

} // namespace

TEST(RowDayOfYear, OwnDayOfYearFirstThenTheCalendarDate) {
    EXPECT_EQ(dayOf(45, 2004, 12, 31), 45);
    EXPECT_EQ(dayOf(367, 0, 0, 0), 367); // no clamp
    EXPECT_EQ(dayOf(0, 2004, 12, 31), 366);
    EXPECT_EQ(dayOf(0, 2005, 12, 31), 365);
    EXPECT_EQ(dayOf(0, 2004, 2, 29), 60);
    EXPECT_EQ(dayOf(0, 1900, 3, 1), 60);
    EXPECT_EQ(dayOf(0, 2000, 3, 1), 61);
}

TEST(RowDayOfYear, IncompleteOrImpossibleDatesGiveNothing) {
    EXPECT_FALSE(dayOf(0, 2005, 0, 3));
    EXPECT_FALSE(dayOf(0, 0, 1, 3));
    EXPECT_FALSE(dayOf(-5, 2005, 1, 0));
    EXPECT_FALSE(dayOf(0, 2005, 2, 29));
    EXPECT_FALSE(dayOf(0, 2005, 13, 1));
}
