#include "methods/FieldNumbers.h"

#include <gtest/gtest.h>

using namespace climora;

namespace {

template <typename Read> std::string failureOf(Read read, const std::string& text) {
    try {
        read(text);
    } catch (const FieldValueError& error) {
        return error.what();
    }
    return "no failure";
}

} // namespace

TEST(FieldNumbers, RealFieldsReadDecimalNumbersOrNameTheText) {
    EXPECT_EQ(readRealField("40.8"), 40.8);
    EXPECT_EQ(readRealField("-35"), -35.0);
    EXPECT_EQ(readRealField(" 12.5 "), 12.5);
    EXPECT_EQ(failureOf(readRealField, "abc"), "'abc' is not a valid floating point value");
    EXPECT_EQ(failureOf(readRealField, "40,8"), "'40,8' is not a valid floating point value");
    EXPECT_EQ(failureOf(readRealField, " "), "' ' is not a valid floating point value");
    EXPECT_EQ(failureOf(readRealField, "nan"), "'nan' is not a valid floating point value");
    EXPECT_EQ(failureOf(readRealField, "1e999"), "'1e999' is not a valid floating point value");
}

TEST(FieldNumbers, IntegerFieldsRefuseFractions) {
    EXPECT_EQ(readIntegerField("1000"), 1000);
    EXPECT_EQ(readIntegerField("-20"), -20);
    EXPECT_EQ(failureOf(readIntegerField, "abc"), "'abc' is not a valid integer value");
    EXPECT_EQ(failureOf(readIntegerField, "500.5"), "'500.5' is not a valid integer value");
    EXPECT_EQ(failureOf(readIntegerField, ""), "'' is not a valid integer value");
}
