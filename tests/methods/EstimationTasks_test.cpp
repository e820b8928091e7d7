#include "methods/EstimationTasks.h"

#include "methods/FieldNumbers.h"
#include "pipeline/PipelineFixture.h"

using namespace climora;
using namespace climora::testing;

namespace {

class EstimationTask : public PipelineTest {
  protected:
    void temperatureColumns() { columns({{Year, ""}, {DOY, ""}, {TMax, "oC"}, {TMin, "oC"}}); }
    void panColumns() {
        columns({{Year, ""}, {DOY, ""}, {PanEvap, "mm"}, {RelHum, "%"}, {WndSpd, "m/s"}});
    }
};

} // namespace

TEST_F(EstimationTask, MissingDateEndsTask4WithoutTouchingOutput) {
    columns({{Year, ""}, {Month, ""}, {TMax, "oC"}, {TMin, "oC"}});
    input("2005\t7\t30\t15\r\n", 0);
    settings.task4Latitude = "45";
    writeBytes(work.file("Output.~"), "earlier");
    estimateSolarFromTemp(context);
    EXPECT_TRUE(state.abort);
    EXPECT_EQ(events(), (Events{"tone: error",
                                "error: Date is missing. Check the input data and try again."}));
    EXPECT_EQ(file("Output.~"), "earlier");
    EXPECT_EQ(state.rowsBeforeData, 0);
}

TEST_F(EstimationTask, SouthernLatitudeForTheMidWestIsRefusedBeforeAnyFile) {
    temperatureColumns();
    input("2005\t182\t30\t15\r\n", 0);
    settings.task4Latitude = "-0.5";
    estimateSolarFromTemp(context);
    EXPECT_TRUE(state.abort);
    EXPECT_EQ(events(), (Events{"tone: error",
                                "plain: A positive latitude value must be used for this region"}));
    EXPECT_FALSE(exists("Out.~"));

    state.abort = false;
    messenger.clear();
    settings.task4Latitude = "0"; // the equator is accepted
    estimateSolarFromTemp(context);
    EXPECT_FALSE(state.abort);
    EXPECT_TRUE(events().empty());
}

TEST_F(EstimationTask, Task5SunshineModeIsChosenOnTheFirstRow) {
    columns({{Year, ""}, {DOY, ""}, {SunHr, "hr"}});
    input("2005\t182\t0\r\n2006\t182\t10\r\n", 0);
    settings.task5Latitude = "45";
    state.convertAndRearrange = false;
    estimateSolarFromSunShineHr(context);
    ASSERT_FALSE(state.abort);
    // A first value of exactly 0 hours still selects hours: Rs = a * Ra.
    EXPECT_EQ(file("Out.~"), "7.50\r\n22.41\r\n");
    EXPECT_EQ(gauge.steps, 2);
}

TEST_F(EstimationTask, Task5WithoutSunshineColumnsReportsOnTheFirstRow) {
    temperatureColumns();
    input("2005\t182\t30\t15\r\n", 0);
    settings.task5Latitude = "45";
    estimateSolarFromSunShineHr(context);
    EXPECT_TRUE(state.abort);
    EXPECT_EQ(events(), (Events{"tone: error",
                                "error: Data of sunshine hour or percentage are not specified"}));
    EXPECT_FALSE(exists("Output.~"));
}

TEST_F(EstimationTask, Task6IgnoresTheFetchOfAnUnknownPanButStillReadsIt) {
    panColumns();
    input("2005\t1\t8\t60\t2\r\n", 0);
    settings.panKind = 5;
    settings.fetch = "20";
    ET_from_Evap(context);
    ASSERT_FALSE(state.abort);
    EXPECT_EQ(file("Out.~"), "6.1\r\n");

    settings.fetch = "x";
    EXPECT_THROW(ET_from_Evap(context), FieldValueError);
}

TEST_F(EstimationTask, Task6UnitsOutsideTheListsGiveFactorZero) {
    columns({{Year, ""}, {DOY, ""}, {PanEvap, "ft"}, {RelHum, "%"}, {WndSpd, "knot"}});
    input("2005\t1\t8\t60\t2\r\n", 0);
    ET_from_Evap(context);
    ASSERT_FALSE(state.abort);
    EXPECT_EQ(file("Out.~"), "0.0\r\n");
}

TEST_F(EstimationTask, ANumberTooLargeForTheEstimateStopsTheRunInsteadOfWritingIt) {
    panColumns();
    input("2005\t1\t8\t60\t2\r\n2005\t2\t8\t60\t1e200\r\n", 0);
    settings.panKind = 4;
    writeBytes(work.file("Output.~"), "earlier");
    ET_from_Evap(context);
    EXPECT_TRUE(state.abort);
    EXPECT_EQ(events(), (Events{"tone: error",
                                "error: An estimate is not a finite number. Check the input data "
                                "and try again."}));
    EXPECT_EQ(file("Output.~"), "earlier");
}

TEST_F(EstimationTask, Task7NeedsLatitudeAndElevationTexts) {
    columns({{Year, ""}, {DOY, ""}, {Solar, "MJ/m2/d"}});
    input("2005\t182\t20\r\n", 0);
    settings.task7Latitude = "45";
    ET_by_PM(context);
    EXPECT_TRUE(state.abort);
    EXPECT_EQ(events(), (Events{"tone: error", "error: Latitude or altitude is not given."}));
    EXPECT_FALSE(exists("Out.~"));

    settings.task7Latitude = "";
    settings.elevation = "300";
    messenger.clear();
    ET_by_PM(context);
    EXPECT_EQ(events(), (Events{"tone: error", "error: Latitude or altitude is not given."}));

    settings.task7Latitude = "4 5";
    EXPECT_THROW(ET_by_PM(context), FieldValueError);
}

TEST_F(EstimationTask, Task7RefusesSitesNoPlaceHasAfterReadingTheNumbers) {
    columns({{Year, ""}, {DOY, ""}, {Solar, "MJ/m2/d"}});
    const std::string latitude = "Latitude must be between -90 and 90.";
    const std::string elevation = "Elevation must be between -500 and 9000 m.";
    const struct {
        const char *latitude, *elevation;
        std::string refusal; // empty: accepted
    } cases[] = {
        {"91", "300", latitude},     {"-90.5", "50000", latitude}, {"45", "50000", elevation},
        {"45", "9000.1", elevation}, {"45", "-501", elevation},    {"90", "9000", ""},
        {"-90", "-500", ""},
    };
    for (const auto& c : cases) {
        input("2005\t182\t20\r\n", 0);
        settings.task7Latitude = c.latitude;
        settings.elevation = c.elevation;
        messenger.clear();
        state.abort = false;
        ET_by_PM(context);
        EXPECT_EQ(state.abort, !c.refusal.empty()) << c.latitude << " " << c.elevation;
        const Events refused = {"tone: error", "error: " + c.refusal};
        EXPECT_EQ(events(), c.refusal.empty() ? Events{} : refused)
            << c.latitude << " " << c.elevation;
    }
    settings.task7Latitude = "95";
    settings.elevation = "high";
    EXPECT_THROW(ET_by_PM(context), FieldValueError); // a text that is not a number first
}

TEST_F(EstimationTask, ConvertModeTakesTheEstimateInPlaceOfTheSolarColumn) {
    columns({{Year, ""}, {DOY, ""}, {Solar, "Langley"}, {TMax, "oC"}, {TMin, "oC"}});
    input("Head\r\n2005\t182\t1000\t30\t15\r\n", 1);
    state.task = 4;
    state.convertAndRearrange = true;
    settings.task4Latitude = "45";
    estimateSolarFromTemp(context);
    ASSERT_FALSE(state.abort);
    EXPECT_EQ(spec.unitOf(Solar), "MJ/m2/d");
    EXPECT_EQ(file("Input.~"), "Solar radiation estimated from T-max and T-min using the "
                               "Mahmood-Hubbard method. Head\r\n2005\t182\t1000\t30\t15\r\n");
    EXPECT_EQ(file("Output.~"), "Solar radiation estimated from T-max and T-min using the "
                                "Mahmood-Hubbard method. Head\r\n"
                                "Year\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET\r\n"
                                "\t\tMJ/m2\toC\toC\t%\tmm\tmm\r\n"
                                "2005\t182\t24.38\t30.0\t15.0\t0\t0.0\t0.0\r\n");
    EXPECT_EQ(gauge.steps, 2); // one per estimate, one per converted line
}

TEST_F(EstimationTask, ConvertModeOfTask6TakesTheEstimateInPlaceOfTheETColumn) {
    columns({{Year, ""}, {DOY, ""}, {PanEvap, "mm"}, {RelHum, "%"}, {WndSpd, "m/s"}, {ET, "inch"}});
    input("2005\t1\t8\t60\t2\t9\r\n", 0);
    state.task = 6;
    state.convertAndRearrange = true;
    ET_from_Evap(context);
    ASSERT_FALSE(state.abort);
    EXPECT_EQ(state.rowsBeforeData, 1);
    EXPECT_EQ(spec.unitOf(ET), "mm");
    EXPECT_EQ(file("Output.~"), "Reference ET estimated from pan evaporation of green fetch with "
                                "1000 m.\r\n"
                                "Year\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET\r\n"
                                "\t\tMJ/m2\toC\toC\t%\tmm\tmm\r\n"
                                "2005\t1\t0.00\t0.0\t0.0\t60\t0.0\t6.4\r\n");
}

TEST_F(EstimationTask, EmptyDataGiveTheDescriptionAndOneTabLine) {
    panColumns();
    input("Header only\r\n", 1);
    ET_from_Evap(context);
    ASSERT_FALSE(state.abort);
    EXPECT_EQ(file("Out.~"), "");
    EXPECT_EQ(file("Output.~"), "Reference ET (last column, mm) estimated from pan evaporation of "
                                "green fetch with 1000 m.Header only\r\n\t\r\n");
    EXPECT_EQ(gauge.steps, 0);
}
