#include "methods/PanEvaporation.h"
#include "methods/PenmanMonteith.h"
#include "methods/SolarFromSunshine.h"
#include "methods/SolarFromTemperature.h"

#include "base/NumberText.h"
#include "input/Variables.h"
#include "testing/RecordingMessenger.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace climora;

namespace {

DayGeometry day182At45North() {
    return SolarOFclearDay(182, latitudeInRadians(45), 0.25, 0.50);
}

double fahrenheitToCelsius(double t) {
    return (t - 32) / 1.8;
}

} // namespace

TEST(SolarFromTemperature, ReproducesTheWorkedValues) {
    DayGeometry day = day182At45North();
    EXPECT_EQ(formatFixed(solarFromTemperature(MidWestUsa, 182, day, 30, 15), 2), "24.38");
    EXPECT_EQ(formatFixed(solarFromTemperature(ContinentalRegion, 182, day, 30, 15), 2), "25.81");
    EXPECT_EQ(formatFixed(solarFromTemperature(CoastalRegion, 182, day, 30, 15), 2), "30.65");
    EXPECT_EQ(solarFromTemperature(MidWestUsa, 182, day, fahrenheitToCelsius(86),
                                   fahrenheitToCelsius(59)),
              solarFromTemperature(MidWestUsa, 182, day, 30, 15));
}

TEST(SolarFromTemperature, SeasonalFactorAndSmallOrNegativeRanges) {
    DayGeometry day = day182At45North();
    // Day 182 has the factor 0.8: the model reduces to its plain form.
    EXPECT_DOUBLE_EQ(MHmodel(182, day.rso, 30, 15),
                     (0.182 * std::pow(15, 0.69) * std::pow(0.8 * day.rso, 0.91) - 2.4999) /
                         0.8023);
    double factor1 = 0.8 + 0.12 * std::pow(181 / 183.0, 1.5);
    EXPECT_NEAR(factor1, 0.918, 0.001);
    EXPECT_DOUBLE_EQ(MHmodel(1, day.rso, 30, 15),
                     (0.182 * std::pow(15, 0.69) * std::pow(factor1 * day.rso, 0.91) - 2.4999) /
                         0.8023);
    // A range of 0: negative Mahmood-Hubbard intercept, FAO exactly 0.
    EXPECT_EQ(solarFromTemperature(MidWestUsa, 182, day, 20, 20), 0.01);
    EXPECT_EQ(formatFixed(solarFromTemperature(ContinentalRegion, 182, day, 20, 20), 2), "0.00");
    // A negative range has no root or power: 0.01, never NaN.
    for (int region : {1, 2, 3})
        EXPECT_EQ(solarFromTemperature(region, 182, day, 0, 12), 0.01) << region;
    // Any region other than 2 takes the coastal coefficient.
    EXPECT_EQ(FAO_SolarFromTemp(7, day.ra, 30, 15), FAO_SolarFromTemp(3, day.ra, 30, 15));
}

TEST(SolarFromTemperature, DescriptionsEndInABlank) {
    EXPECT_STREQ(solarFromTemperatureDescription(1, false),
                 "Solar radiation (last column, MJ/m2/d) estimated from T-max and T-min using the "
                 "Mahmood-Hubbard method. ");
    EXPECT_STREQ(
        solarFromTemperatureDescription(1, true),
        "Solar radiation estimated from T-max and T-min using the Mahmood-Hubbard method. ");
    for (int region : {2, 3}) {
        EXPECT_STREQ(solarFromTemperatureDescription(region, false),
                     "Solar radiation (last column, MJ/m2/d) estimated from T-max and T-min using "
                     "the FAO method. ");
        EXPECT_STREQ(solarFromTemperatureDescription(region, true),
                     "Solar radiation estimated from T-max and T-min using the FAO method. ");
    }
}

TEST(SolarFromSunshine, ReproducesTheWorkedValues) {
    DayGeometry day = day182At45North();
    AngstromCoefficients cold = angstromConstantsOf(1);
    EXPECT_EQ(formatFixed(angstromSolar(SunshineMode::Hours, 10, cold, day), 2), "22.41");
    EXPECT_EQ(formatFixed(angstromSolar(SunshineMode::Percentage, 60, cold, day), 2), "21.24");
}

TEST(SolarFromSunshine, BoundsOfTheRelativeSunshine) {
    DayGeometry day = day182At45North();
    AngstromCoefficients dry = angstromConstantsOf(2);
    DayGeometry clear = SolarOFclearDay(182, latitudeInRadians(45), dry.a, dry.b);
    EXPECT_DOUBLE_EQ(angstromSolar(SunshineMode::Percentage, 100, dry, day), clear.rso);
    EXPECT_GT(angstromSolar(SunshineMode::Hours, day.dayLength + 1, dry, day), clear.rso);
    EXPECT_DOUBLE_EQ(angstromSolar(SunshineMode::Hours, 0, dry, day), dry.a * day.ra);
    EXPECT_EQ(angstromSolar(SunshineMode::Hours, -40, dry, day), 0.001);
}

TEST(SolarFromSunshine, PolarNightGivesZeroNotADivisionByZero) {
    DayGeometry night = SolarOFclearDay(355, latitudeInRadians(80), 0.18, 0.55);
    ASSERT_EQ(night.dayLength, 0.0);
    double rs = angstromSolar(SunshineMode::Hours, 0, angstromConstantsOf(1), night);
    EXPECT_TRUE(std::isfinite(rs));
    EXPECT_EQ(formatFixed(rs, 2), "0.00");
    DayGeometry midnightSun = SolarOFclearDay(172, latitudeInRadians(80), 0.18, 0.55);
    EXPECT_DOUBLE_EQ(angstromSolar(SunshineMode::Hours, 24, angstromConstantsOf(1), midnightSun),
                     midnightSun.rso);
}

TEST(SolarFromSunshine, DescriptionsJoinThePiecesAsTheyStand) {
    EXPECT_EQ(sunshineDescription(SunshineMode::Hours, 1, false),
              "Solar radiation (last column, MJ/m2/d) estimated from sun shine hours  for cold / "
              "temperate regions. ");
    EXPECT_EQ(sunshineDescription(SunshineMode::Percentage, 2, true),
              "Solar radiation estimated from sun shine %  for dry tropical regions. ");
    EXPECT_EQ(sunshineDescription(SunshineMode::Hours, 3, true),
              "Solar radiation estimated from sun shine hours  for humid tropical regions. ");
}

TEST(PanCoefficient, ReproducesTheWorkedValues) {
    EXPECT_EQ(formatFixed(panCoefficient(1, 1000, 60, 2), 4), "0.8062");
    EXPECT_EQ(formatFixed(panCoefficient(2, 1000, 60, 2), 4), "0.5690");
    EXPECT_EQ(formatFixed(panCoefficient(3, 1000, 60, 2), 4), "0.9692");
    EXPECT_EQ(formatFixed(panCoefficient(4, 1000, 60, 2), 4), "0.6698");
    EXPECT_EQ(formatFixed(panCoefficientOfKind(5, 1000, 60, 2), 4), "0.7616");
    EXPECT_EQ(formatFixed(8 * panCoefficientOfKind(1, 1000, 60, 2), 3), "6.449");
    EXPECT_EQ(formatFixed(8 * panCoefficientOfKind(1, 1000, 60, 2), 1), "6.4");
    EXPECT_EQ(formatFixed(8 * panCoefficientOfKind(5, 1000, 60, 2), 3), "6.093");
    EXPECT_EQ(formatFixed(8 * panCoefficientOfKind(5, 1000, 60, 2), 1), "6.1");
}

TEST(PanCoefficient, NonPositiveInputsEnterAsOneThousandth) {
    for (int kind = 1; kind <= 4; ++kind) {
        EXPECT_EQ(panCoefficient(kind, 0, 60, 2), panCoefficient(kind, 0.001, 60, 2));
        EXPECT_EQ(panCoefficient(kind, -30, 60, 2), panCoefficient(kind, 0.001, 60, 2));
        EXPECT_EQ(panCoefficient(kind, 1000, 0, 2), panCoefficient(kind, 1000, 0.001, 2));
        EXPECT_EQ(panCoefficient(kind, 1000, 60, 0), panCoefficient(kind, 1000, 60, 0.001));
        EXPECT_TRUE(std::isfinite(panCoefficient(kind, 0, 0, 0)));
    }
    // Kind 5 ignores the fetch it is given.
    EXPECT_EQ(panCoefficientOfKind(5, 20, 60, 2), panCoefficientOfKind(5, 500, 60, 2));
}

TEST(PanTestData, NeedsHumidityWindAndPanEvaporation) {
    ColumnSpec spec;
    spec.variable.fill(NoVariable);
    spec.variable[0] = Year;
    spec.variable[1] = DOY;
    spec.variable[2] = PanEvap;
    spec.variable[3] = WndSpd;
    RecordingMessenger missing;
    EXPECT_FALSE(testData(spec, missing));
    EXPECT_EQ(
        missing.events(),
        (std::vector<std::string>{"tone: error", "error: One of the required data is not given."}));
    spec.variable[7] = RelHum;
    RecordingMessenger complete;
    EXPECT_TRUE(testData(spec, complete));
    EXPECT_TRUE(complete.events().empty());
}

TEST(PanTestData, DescriptionsNameTheFetchCaptionAndTheTypedFetch) {
    EXPECT_EQ(panDescription(1, "1000", false),
              "Reference ET (last column, mm) estimated from pan evaporation of green fetch with "
              "1000 m.");
    EXPECT_EQ(panDescription(4, " 250", true),
              "Reference ET estimated from pan evaporation of dry fetch with  250 m.");
    EXPECT_EQ(panDescription(3, "", true),
              "Reference ET estimated from pan evaporation of green fetch with  m.");
    EXPECT_EQ(
        panDescription(2, "80", false),
        "Reference ET (last column, mm) estimated from pan evaporation of dry fetch with 80 m.");
    EXPECT_EQ(panDescription(5, "1000", false),
              "Reference ET (last column, mm) estimated from pan evaporation of with unknown pan "
              "type.");
    EXPECT_EQ(panDescription(5, "1000", true),
              "Reference ET estimated from pan evaporation of with unknown pan type.");
}

TEST(PenmanMonteith, ReproducesTheWorkedDay) {
    PenmanMonteithSite site = penmanMonteithSite(300);
    EXPECT_EQ(formatFixed(site.pressure, 3), "97.804");
    EXPECT_EQ(formatFixed(site.psychrometric, 6), "0.065039");
    PenmanMonteithWeather weather{20, 30, 15, 60, 2};
    PenmanMonteithDay day = penmanMonteithDay(site, day182At45North(), weather);
    EXPECT_EQ(formatFixed(day.es, 4), "2.9742");
    EXPECT_EQ(formatFixed(day.delta, 5), "0.16548");
    EXPECT_EQ(formatFixed(day.ea, 4), "1.6354");
    EXPECT_EQ(formatFixed(day.rso, 3), "31.241");
    EXPECT_EQ(formatFixed(day.rnl, 4), "3.1132");
    EXPECT_EQ(formatFixed(day.rn, 3), "12.287");
    EXPECT_EQ(formatFixed(day.et0, 4), "4.9499");
    EXPECT_EQ(formatFixed(day.etr, 3), "6.435");
    EXPECT_EQ(formatFixed(day.etr, 1), "6.4");
}

TEST(PenmanMonteith, SeaLevelHumidAndCalmDays) {
    PenmanMonteithSite sea = penmanMonteithSite(0);
    EXPECT_EQ(sea.pressure, 101.3);
    EXPECT_DOUBLE_EQ(sea.psychrometric, 0.0673645);
    DayGeometry geometry = day182At45North();
    PenmanMonteithDay saturated = penmanMonteithDay(sea, geometry, {20, 30, 15, 100, 2});
    EXPECT_DOUBLE_EQ(saturated.ea, saturationVapourPressure(22.5));
    EXPECT_GT(saturated.deficit, 0);
    // Calm air: the radiation term alone over delta + gamma.
    PenmanMonteithDay calm = penmanMonteithDay(sea, geometry, {20, 30, 15, 60, 0});
    EXPECT_DOUBLE_EQ(calm.et0, 0.408 * calm.delta * calm.rn / (calm.delta + sea.psychrometric));
    // No sunshine: the cloudiness factor is -0.35, so net radiation is positive.
    PenmanMonteithDay dark = penmanMonteithDay(sea, geometry, {0, 30, 15, 60, 2});
    EXPECT_EQ(dark.rns, 0);
    EXPECT_LT(dark.rnl, 0);
    EXPECT_GT(dark.rn, 0);
}

TEST(PenmanMonteith, PolarNightAndOddRowsStayFinite) {
    PenmanMonteithSite site = penmanMonteithSite(10);
    DayGeometry night = SolarOFclearDay(355, latitudeInRadians(85), 0.25, 0.50);
    ASSERT_EQ(night.rso, 0.0);
    PenmanMonteithDay day = penmanMonteithDay(site, night, {0.5, -10, -20, 80, 3});
    EXPECT_EQ(day.rso, 0.0001);
    EXPECT_TRUE(std::isfinite(day.etr));
    EXPECT_GT(day.etr, 0);
    // A mean temperature at the pole of the vapour curve gives no number;
    // the result falls back to the small positive value.
    PenmanMonteithDay pole =
        penmanMonteithDay(site, day182At45North(), {20, -237.3, -237.3, 50, 2});
    EXPECT_EQ(pole.etr, 0.001);
}
