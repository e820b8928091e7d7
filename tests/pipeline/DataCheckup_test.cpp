#include "PipelineFixture.h"
#include "pipeline/DataCheckup.h"

using namespace climora;
using climora::testing::PipelineTest;

namespace {

const std::string doyHeader = "Report of weather data checkup.\r\n"
                              "Input data can be edited directly in the input data panel.\r\n"
                              "\r\n"
                              "Suspicious data are spotted on (year / DOY):\r\n";
const std::string dateHeader = "Report of weather data checkup.\r\n"
                               "Input data can be edited directly in the input data panel.\r\n"
                               "\r\n"
                               "Suspicious data are spotted on (year / month / day):\r\n";
const char* spotted = "warning: Data erros are spotted. Correct them and process again.";

} // namespace

class Checkup : public PipelineTest {
  protected:
    void SetUp() override { state.task = 1; }
    // Runs the checkup on Year and DOY rows with the other columns given.
    // Each call stands for a new run: the record starts empty.
    std::string reportOf(const std::string& rows) {
        record.reset();
        input(rows, 0);
        CheckupResult result = dataCheckup(context);
        return result == CheckupResult::Suspicious ? file("Output.~").substr(doyHeader.size()) : "";
    }
};

TEST_F(Checkup, GapsRepeatsAndStepsBackWithinAYear) {
    columns({{Year, ""}, {DOY, ""}});
    EXPECT_EQ(reportOf("2005 1\r\n2005 2\r\n2005 4\r\n"), "\t2005 / 4\r\n");
    EXPECT_EQ(reportOf("2005 1\r\n2005 2\r\n2005 2\r\n"), "\t2005 / 2\r\n");
    EXPECT_EQ(reportOf("2005 5\r\n2005 3\r\n"), "\t2005 / 3\r\n");
    EXPECT_EQ(reportOf("2004 365\r\n2005 1\r\n2005 2\r\n"), "");
    EXPECT_EQ(reportOf("2004 365\r\n2005 3\r\n"), "");
    EXPECT_EQ(reportOf("2004 10\r\n2005 10\r\n"), "\t2005 / 10\r\n");
    EXPECT_EQ(reportOf("2005 32\r\n"), ""); // the first row follows itself
}

TEST_F(Checkup, ReportsEveryBrokenRuleOnceInRowOrder) {
    columns({{Year, ""}, {DOY, ""}, {TMax, "oC"}, {TMin, "oC"}});
    EXPECT_EQ(reportOf("2005 1 10 10\r\n2005 2 20 21\r\n2005 3 20 10\r\n2005 5 61 70\r\n"),
              "\t2005 / 1\r\n\t2005 / 2\r\n\t2005 / 5\r\n");
    EXPECT_EQ(events(), (Events{"tone: error", spotted}));
    EXPECT_TRUE(state.abort);
    EXPECT_EQ(panel.lines().size(), 7u);
}

TEST_F(Checkup, SolarRulesNeedAKnownUnit) {
    columns({{Year, ""}, {DOY, ""}, {Solar, "MJ/m2/d"}});
    EXPECT_EQ(reportOf("2005 1 0\r\n2005 2 -5\r\n2005 3 60\r\n2005 4 60.1\r\n"),
              "\t2005 / 1\r\n\t2005 / 4\r\n");
    columns({{Year, ""}, {DOY, ""}, {Solar, "Langley"}});
    EXPECT_EQ(reportOf("2005 1 1433\r\n2005 2 1434\r\n"), "\t2005 / 2\r\n"); // 60.03 MJ
    columns({{Year, ""}, {DOY, ""}, {Solar, "kJ"}});
    EXPECT_EQ(reportOf("2005 1 0\r\n2005 2 5000\r\n"), "");
}

TEST_F(Checkup, ComparesInMetricUnits) {
    columns({{Year, ""}, {DOY, ""}, {Precip, "inch"}});
    EXPECT_EQ(reportOf("2005 1 40\r\n2005 2 39\r\n2005 3 -0.01\r\n"),
              "\t2005 / 1\r\n\t2005 / 3\r\n");
    columns({{Year, ""}, {DOY, ""}, {TMax, "oF"}, {TMin, "oF"}});
    EXPECT_EQ(reportOf("2005 1 142 50\r\n2005 2 138 50\r\n2005 3 80 -59\r\n"),
              "\t2005 / 1\r\n\t2005 / 3\r\n");
    columns({{Year, ""}, {DOY, ""}, {WndSpd, "km/hr"}, {ET, "cm"}, {PanEvap, "mm"}});
    EXPECT_EQ(
        reportOf("2005 1 -1 1 1\r\n2005 2 300 10.1 1\r\n2005 3 300 1 101\r\n2005 4 0 10 100\r\n"),
        "\t2005 / 1\r\n\t2005 / 2\r\n\t2005 / 3\r\n");
}

TEST_F(Checkup, SoilTemperatureFollowsTheUnitOfTMax) {
    columns({{Year, ""}, {DOY, ""}, {TMax, "oF"}, {TMin, "oF"}, {SoilT, "oC"}});
    // 130 read as oF is 54.4 oC: no suspicion; 150 is 65.6 oC.
    EXPECT_EQ(reportOf("2005 1 80 50 130\r\n2005 2 80 50 150\r\n"), "\t2005 / 2\r\n");
}

TEST_F(Checkup, TemperatureBoundsExcludeTheBoundItself) {
    columns({{Year, ""}, {DOY, ""}, {TMax, "oC"}, {TMin, "oC"}, {SoilT, "oC"}});
    EXPECT_EQ(reportOf("2005 1 60 -50 -50\r\n" // every bound itself: not suspicious
                       "2005 2 60.1 0 0\r\n"
                       "2005 3 20 -50.1 0\r\n"
                       "2005 4 20 0 -50.1\r\n"
                       "2005 5 20 0 60\r\n"
                       "2005 6 20 0 60.1\r\n"),
              "\t2005 / 2\r\n\t2005 / 3\r\n\t2005 / 4\r\n\t2005 / 6\r\n");
}

TEST_F(Checkup, BoundsOfTheOtherVariablesExcludeTheBoundItself) {
    columns({{Year, ""}, {DOY, ""}, {RelHum, "%"}, {SunHr, "hr"}, {SunHrPercent, "%"}});
    EXPECT_EQ(
        reportOf("2005 1 100 24 100\r\n2005 2 0 0 0\r\n2005 3 100.1 1 1\r\n2005 4 50 24.1 1\r\n"
                 "2005 5 50 1 -0.1\r\n"),
        "\t2005 / 3\r\n\t2005 / 4\r\n\t2005 / 5\r\n");
}

TEST_F(Checkup, DatesFromYearMonthDayWhenThereIsNoDayOfYear) {
    columns({{Year, ""}, {Month, ""}, {Day, ""}, {TMax, "oC"}, {TMin, "oC"}});
    input("2004 2 28 5 1\r\n2004 2 29 5 1\r\n2004 3 2 5 1\r\n", 0);
    EXPECT_EQ(dataCheckup(context), CheckupResult::Suspicious);
    EXPECT_EQ(file("Output.~"), dateHeader + "\t2004 / 3 / 2\r\n");
}

TEST_F(Checkup, ADoyOfZeroTakesTheDate) {
    columns({{Year, ""}, {Month, ""}, {Day, ""}, {DOY, ""}});
    input("2005 2 1 0\r\n2005 2 3 0\r\n", 0);
    EXPECT_EQ(dataCheckup(context), CheckupResult::Suspicious);
    EXPECT_EQ(file("Output.~"), doyHeader + "\t2005 / 34\r\n");
}

TEST_F(Checkup, StopsOnDatesItCannotUse) {
    auto failure = [&](const std::string& rows, const std::string& message) {
        messenger.clear();
        state.abort = false;
        panel.clear();
        record.reset();
        input(rows, 0);
        EXPECT_EQ(dataCheckup(context), CheckupResult::Failed) << rows;
        EXPECT_TRUE(state.abort);
        EXPECT_EQ(events(), (Events{"tone: error", "error: " + message})) << rows;
        EXPECT_EQ(panel.lines().size(), 0u);
    };
    const std::string incomplete = "This function requires date (either by year and DOY, or by "
                                   "year, month and day). However the date information is not "
                                   "complete.";
    const std::string format =
        "The program has encountered problems with data format. Operation aborted.";
    columns({{Year, ""}, {DOY, ""}});
    failure("2005 1\r\n2005 367\r\n", "Input of DOY (day of year) is wrong.");
    failure("2005 -1\r\n", "Input of DOY (day of year) is wrong.");
    failure("2005 1\r\n2005 3000000000\r\n", "Input of DOY (day of year) is wrong.");
    failure("2005 -3000000000\r\n", "Input of DOY (day of year) is wrong.");
    failure("2005 1\r\n2005 0\r\n", incomplete);
    failure("2005 1 \r\n2005 1.2.3\r\n", format);
    columns({{Year, ""}, {Month, ""}, {Day, ""}});
    failure("2005 2 30\r\n", format);
    failure("2005 13 1\r\n", format);
    columns({{Year, ""}, {Solar, "MJ/m2/d"}});
    failure("2005 12\r\n", incomplete);
}

TEST_F(Checkup, TemperatureUnitsMustAgree) {
    columns({{Year, ""}, {DOY, ""}, {TMax, "oF"}, {TMin, "oC"}});
    input("2005 1 50 10\r\n", 0);
    EXPECT_EQ(dataCheckup(context), CheckupResult::Failed);
    EXPECT_EQ(events(),
              (Events{"tone: error", "error: Unit of Tmax and Tmin should be the same."}));
    EXPECT_FALSE(exists("Output.~"));
}

TEST_F(Checkup, TaskThreeAnnouncesCleanDataAndAlwaysStops) {
    state.task = 3;
    columns({{Year, ""}, {DOY, ""}, {TMax, "oC"}, {TMin, "oC"}});
    input("Header\r\n2005 1 10 2\r\n2005 2 11 3\r\n", 1);
    EXPECT_EQ(dataCheckup(context), CheckupResult::Clean);
    EXPECT_TRUE(state.abort);
    EXPECT_EQ(events(),
              (Events{"tone: exclamation", "information: No suspicious data are spotted."}));
    EXPECT_EQ(panel.lines().size(), 0u);
    EXPECT_EQ(gauge.steps, 2);

    messenger.clear();
    state.abort = false;
    input("Header\r\n2005 1 10 20\r\n", 1);
    EXPECT_EQ(dataCheckup(context), CheckupResult::Suspicious);
    EXPECT_EQ(events(), (Events{"tone: error", "warning: Data erros are spotted!"}));
}

TEST_F(Checkup, CleanDataLetOtherTasksGoOn) {
    columns({{Year, ""}, {DOY, ""}});
    input("2005 1\r\n2005 2\r\n", 0);
    EXPECT_EQ(dataCheckup(context), CheckupResult::Clean);
    EXPECT_FALSE(state.abort);
    EXPECT_TRUE(events().empty());
}

TEST_F(Checkup, ARowStartingWithZeroEndsTheData) {
    columns({{Precip, "mm"}, {Year, ""}, {DOY, ""}});
    input("1 2005 1\r\n0 2005 9\r\n1 2005 20\r\n", 0);
    EXPECT_EQ(dataCheckup(context), CheckupResult::Clean);
    EXPECT_EQ(gauge.steps, 1);
}
