#include "PipelineFixture.h"
#include "pipeline/Conversion.h"

using namespace climora;
using climora::testing::PipelineTest;
using climora::testing::writeBytes;

namespace {

const std::string namesAndUnits = "Year\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET\r\n"
                                  "\t\tMJ/m2\toC\toC\t%\tmm\tmm\r\n";

} // namespace

class Convert : public PipelineTest {
  protected:
    void SetUp() override { state.task = 1; }
    // The data lines of Output.~ after converting `rows` under one header line.
    std::string dataOf(const std::string& rows) {
        record.reset();
        input("Title\r\n" + rows, 1);
        convertRearrange(context);
        std::string output = file("Output.~");
        std::string top = "Title\r\n" + namesAndUnits;
        EXPECT_EQ(output.substr(0, top.size()), top);
        return output.substr(top.size());
    }
};

TEST_F(Convert, TurnsUnitsIntoMetricFixedPointFields) {
    columns({{Year, ""},
             {DOY, ""},
             {Solar, "Langley"},
             {TMax, "oF"},
             {TMin, "oF"},
             {Precip, "inch"},
             {RelHum, "%"},
             {ET, "cm"}});
    EXPECT_EQ(dataOf("2005 32 1000 50 14 0.5 71.2 1.2\r\n"),
              "2005\t32\t41.86\t10.0\t-10.0\t71\t12.7\t12.0\r\n");
    columns({{Year, ""}, {DOY, ""}, {Solar, "W/m2"}, {TMax, "oC"}, {TMin, "oC"}, {Precip, "mm"}});
    EXPECT_EQ(dataOf("2005\t1\t300\t3.44\t-8\t0\r\n"),
              "2005\t1\t25.92\t3.4\t-8.0\t0\t0.0\t0.0\r\n");
    EXPECT_EQ(gauge.steps, 2);
}

TEST_F(Convert, MissingColumnsAndUnknownUnitsGiveZero) {
    columns({{Year, ""}, {DOY, ""}, {Precip, "mm"}});
    EXPECT_EQ(dataOf("2005 1 3\r\n"), "2005\t1\t0.00\t0.0\t0.0\t0\t3.0\t0.0\r\n");
    columns({{Year, ""}, {DOY, ""}, {Solar, "kJ"}, {TMax, "K"}, {TMin, "K"}});
    EXPECT_EQ(dataOf("2005 1 3 300 290\r\n"), "2005\t1\t0.00\t0.0\t0.0\t0\t0.0\t0.0\r\n");
    columns({{DOY, ""}, {Solar, "MJ/m2/d"}}); // no year column: the year is 0
    EXPECT_EQ(dataOf("5 3\r\n"), "0\t5\t3.00\t0.0\t0.0\t0\t0.0\t0.0\r\n");
}

TEST_F(Convert, DayOfYearFromTheDateWhenTheDoyIsZero) {
    columns({{Year, ""}, {Month, ""}, {Day, ""}, {DOY, ""}});
    EXPECT_EQ(dataOf("2004 2 29 0\r\n2004 12 31 0\r\n2005 3 1 7\r\n"),
              "2004\t60\t0.00\t0.0\t0.0\t0\t0.0\t0.0\r\n"
              "2004\t366\t0.00\t0.0\t0.0\t0\t0.0\t0.0\r\n"
              "2005\t7\t0.00\t0.0\t0.0\t0\t0.0\t0.0\r\n");
}

TEST_F(Convert, ARowStartingWithZeroEndsTheData) {
    columns({{Precip, "mm"}, {Year, ""}, {DOY, ""}});
    EXPECT_EQ(dataOf("1 2005 1\r\n0 2005 2\r\n1 2005 3\r\n"),
              "2005\t1\t0.00\t0.0\t0.0\t0\t1.0\t0.0\r\n");
}

TEST_F(Convert, CopiesTheHeaderLinesOrWritesTheInputNameWithoutAny) {
    columns({{Year, ""}, {DOY, ""}});
    input("One\r\nTwo, with commas\r\nThree\r\n2005 1\r\n", 3);
    convertRearrange(context);
    EXPECT_EQ(file("Output.~"), "One\r\nTwo, with commas\r\nThree\r\n" + namesAndUnits +
                                    "2005\t1\t0.00\t0.0\t0.0\t0\t0.0\t0.0\r\n");
    input("2005 1\r\n", 0);
    convertRearrange(context);
    EXPECT_EQ(file("Output.~"),
              "station.txt\r\n" + namesAndUnits + "2005\t1\t0.00\t0.0\t0.0\t0\t0.0\t0.0\r\n");
    input("Header only\r\n", 1);
    convertRearrange(context);
    EXPECT_EQ(file("Output.~"), "Header only\r\n" + namesAndUnits);
}

TEST_F(Convert, RefusesUnequalTemperatureUnits) {
    columns({{Year, ""}, {DOY, ""}, {TMax, "oC"}});
    input("2005 1 3\r\n", 0);
    convertRearrange(context);
    EXPECT_TRUE(state.abort);
    EXPECT_EQ(events(),
              (Events{"tone: error", "error: Units of Tmax and Tmin need to be the same."}));
    EXPECT_FALSE(exists("Output.~"));
}

TEST_F(Convert, StopsAtARowWithoutADate) {
    columns({{Year, ""}, {Month, ""}, {Day, ""}});
    input("2005 1 1\r\n2005 0 3\r\n", 0);
    convertRearrange(context);
    EXPECT_TRUE(state.abort);
    EXPECT_EQ(events(), (Events{"tone: error",
                                "error: Date is missing. Check the input data and try again."}));
    EXPECT_EQ(file("Output.~"),
              "station.txt\r\n" + namesAndUnits + "2005\t1\t0.00\t0.0\t0.0\t0\t0.0\t0.0\r\n");
}

TEST_F(Convert, EstimatesOfTasksFourToSevenReplaceTheirColumn) {
    columns({{Year, ""}, {DOY, ""}, {Solar, "MJ/m2/d"}, {ET, "mm"}});
    writeBytes(work.file("Out.~"), "12.5\r\n13.25\r\n");
    state.task = 4;
    EXPECT_EQ(dataOf("2005 1 99 1\r\n2005 2 99 2\r\n"),
              "2005\t1\t12.50\t0.0\t0.0\t0\t0.0\t1.0\r\n"
              "2005\t2\t13.25\t0.0\t0.0\t0\t0.0\t2.0\r\n");
    state.task = 7;
    EXPECT_EQ(dataOf("2005 1 9 1\r\n2005 2 9 2\r\n"), "2005\t1\t9.00\t0.0\t0.0\t0\t0.0\t12.5\r\n"
                                                      "2005\t2\t9.00\t0.0\t0.0\t0\t0.0\t13.2\r\n");
}
