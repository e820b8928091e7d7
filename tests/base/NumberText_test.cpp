#include "base/NumberText.h"

#include <gtest/gtest.h>

using namespace climora;

TEST(NumberText, FixedAndWholeFormsIgnoreTheLocale) {
    EXPECT_EQ(formatFixed(12.30004, 3), "12.300");
    EXPECT_EQ(formatFixed(-0.04, 1), "-0.0");
    EXPECT_EQ(formatFixed(0.125, 2), "0.12"); // exact half to even
    EXPECT_EQ(formatWhole(7.00002), "7");
    EXPECT_EQ(formatWhole(-0.2), "0");
    EXPECT_EQ(formatWhole(2.5), "2");
    EXPECT_EQ(formatGeneral(40.8), "40.8");
    EXPECT_EQ(formatGeneral(-120.5), "-120.5");
    EXPECT_EQ(formatGeneral(12.0), "12");
}

TEST(NumberText, ParsesOnlyWholeDecimalNumbers) {
    EXPECT_EQ(parseNumber("-99.4"), -99.4);
    EXPECT_EQ(parseNumber("+1e3"), 1000.0);
    EXPECT_EQ(parseNumber(".5"), 0.5);
    EXPECT_FALSE(parseNumber("-"));
    EXPECT_FALSE(parseNumber("1.2.3"));
    EXPECT_FALSE(parseNumber("inf"));
    EXPECT_FALSE(parseNumber("12 "));
    EXPECT_EQ(parseInteger("-99"), -99);
    EXPECT_FALSE(parseInteger("0.01"));
    EXPECT_FALSE(parseInteger(""));
}
