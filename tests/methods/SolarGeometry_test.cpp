#include "methods/SolarGeometry.h"

#include "base/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace climora;

namespace {

DayGeometry dayAt(int dayOfYear, double latitudeDegrees) {
    return SolarOFclearDay(dayOfYear, latitudeInRadians(latitudeDegrees), 0.25, 0.50);
}

} // namespace

TEST(SolarGeometry, ReproducesTheWorkedDays) {
    DayGeometry summer = dayAt(182, 45);
    EXPECT_EQ(formatFixed(summer.ra, 3), "41.655");
    EXPECT_EQ(formatFixed(summer.dayLength, 3), "15.364");
    EXPECT_EQ(formatFixed(summer.rso, 3), "31.241");

    DayGeometry south = dayAt(1, -20);
    EXPECT_EQ(formatFixed(south.ra, 3), "42.133");
    EXPECT_EQ(formatFixed(south.dayLength, 3), "13.184");
    EXPECT_EQ(formatFixed(south.rso, 3), "31.600");

    DayGeometry equator = dayAt(100, 0);
    EXPECT_EQ(formatFixed(equator.ra, 3), "37.069");
    EXPECT_EQ(equator.dayLength, 12.0);
    EXPECT_EQ(formatFixed(equator.rso, 3), "27.802");
}

TEST(SolarGeometry, EquatorDaysAreTwelveHoursAndSouthHasItsOwnSeason) {
    for (int day : {1, 80, 182, 266, 365, 366})
        EXPECT_EQ(dayAt(day, 0).dayLength, 12.0) << day;
    EXPECT_GT(dayAt(1, -20).ra, dayAt(182, -20).ra);
    EXPECT_LT(dayAt(1, 20).ra, dayAt(182, 20).ra);
}

TEST(SolarGeometry, KindZeroMakesClearSkyThreeQuartersOfRa) {
    DayGeometry day = dayAt(45, 38.5);
    EXPECT_EQ(day.rso, 0.75 * day.ra);
    DayGeometry humid = SolarOFclearDay(45, latitudeInRadians(38.5), 0.29, 0.42);
    EXPECT_DOUBLE_EQ(humid.ra, day.ra);
    EXPECT_DOUBLE_EQ(humid.rso, 0.71 * day.ra);
}

TEST(SolarGeometry, PolarDaysStayFinite) {
    struct Case {
        int day;
        double latitude;
        double hours;
        bool sunlit;
    };
    const Case cases[] = {
        {172, 75, 24, true}, {355, 75, 0, false},  {172, -75, 0, false}, {355, -75, 24, true},
        {172, 90, 24, true}, {355, -90, 24, true}, {1, 89.99, 0, false},
    };
    for (const Case& c : cases) {
        DayGeometry day = dayAt(c.day, c.latitude);
        SCOPED_TRACE(std::to_string(c.day) + " at " + std::to_string(c.latitude));
        ASSERT_TRUE(std::isfinite(day.ra) && std::isfinite(day.rso) &&
                    std::isfinite(day.dayLength));
        EXPECT_NEAR(day.dayLength, c.hours, 1e-12);
        if (c.sunlit)
            EXPECT_GT(day.ra, 40);
        else
            EXPECT_NEAR(day.ra, 0, 1e-12);
    }
}

TEST(AngstromConstants, TableByKindAndOtherKindsLeaveThePair) {
    EXPECT_EQ(angstromConstantsOf(0).a, 0.25);
    EXPECT_EQ(angstromConstantsOf(0).b, 0.50);
    EXPECT_EQ(angstromConstantsOf(1).a, 0.18);
    EXPECT_EQ(angstromConstantsOf(1).b, 0.55);
    EXPECT_EQ(angstromConstantsOf(2).a, 0.25);
    EXPECT_EQ(angstromConstantsOf(2).b, 0.45);
    EXPECT_EQ(angstromConstantsOf(3).a, 0.29);
    EXPECT_EQ(angstromConstantsOf(3).b, 0.42);
    AngstromCoefficients kept{0.3, 0.4};
    getAngstromConstants(4, kept);
    getAngstromConstants(-1, kept);
    EXPECT_EQ(kept.a, 0.3);
    EXPECT_EQ(kept.b, 0.4);
}

TEST(SolarGeometry, CacheGivesTheSameDaysAsTheDirectComputation) {
    const double latitude = latitudeInRadians(-33.9);
    DayGeometryCache cache(latitude, {0.18, 0.55});
    for (int day : {1, 182, 1, 366, 400, 0, -3, 182}) {
        DayGeometry direct = SolarOFclearDay(day, latitude, 0.18, 0.55);
        const DayGeometry& cached = cache.of(day);
        EXPECT_EQ(cached.ra, direct.ra) << day;
        EXPECT_EQ(cached.rso, direct.rso) << day;
        EXPECT_EQ(cached.dayLength, direct.dayLength) << day;
    }
}
