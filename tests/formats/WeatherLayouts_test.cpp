#include "base/TextFile.h"
#include "formats/ApsimWeatherFile.h"
#include "formats/DssatWeatherFile.h"
#include "formats/LayoutFile.h"
#include "formats/LayoutText.h"
#include "formats/MonthlyTemperature.h"
#include "formats/StationCode.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace climora;
using climora::testing::readBytes;
using climora::testing::TempFolder;

namespace {

std::filesystem::path expectedFile(const std::string& name) {
    return std::filesystem::path(CLIMORA_TESTS_DIR) / "formats" / "expected" / name;
}

// Four days over three months of a leap year (31 January, 1 and 29
// February, 1 March): a tie to round to even
// (12.25), a value just below a tie (9.95), "-0.04" that must not print as
// "-0.0", and a day without its dew point.
std::vector<DailyWeather> sampleDays() {
    return {{2024, 31, 12.25, 10.0, -2.0, 0.0, 65, 2.5, -4.0},
            {2024, 32, 15.04, 14.0, 2.0, 12.7, 70, 1.0, 1.5},
            {2024, 60, 18.0, 20.0, 6.0, 0.0, 55, 3.25, 3.0},
            {2024, 61, 9.95, -0.04, -10.0, 0.25, 90, 0.5, std::nullopt}};
}

WeatherStation sampleStation() {
    WeatherStation station;
    station.code = "TEST";
    station.latitude = 34.583;
    station.longitude = 103.2; // west positive, as Climora's site line keeps it
    station.elevation = 1348.4;
    station.windHeight = 3;
    return station;
}

} // namespace

TEST(WeatherLayouts, EachLayoutIsWrittenByteForByteAsDocumented) {
    struct Case {
        std::string name;
        std::vector<std::string> lines;
    } cases[] = {
        {"TEST.WTH", dssatWeatherLines(sampleDays(), sampleStation(), "Test station")},
        {"TEST.met", apsimWeatherLines(sampleDays(), sampleStation())},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        writeLayoutFile(dir / c.name, c.lines);
        EXPECT_EQ(readBytes(dir / c.name), readBytes(expectedFile(c.name))) << c.name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(WeatherLayouts, UnknownSiteValuesAreMissingInDssatAndRefusedByApsim) {
    WeatherStation station;
    station.code = "ABCD";
    std::vector<std::string> lines = dssatWeatherLines({}, station, "x");
    EXPECT_EQ(lines.at(3), "  ABCD  -99.000  -99.000   -99 -99.0 -99.0   2.0   2.0");
    EXPECT_EQ(lines.size(), 5u);
    EXPECT_THROW(apsimWeatherLines(sampleDays(), station), LayoutRefused);
}

TEST(WeatherLayouts, ApsimVapourPressureComesFromTheDewPoint) {
    WeatherStation station = sampleStation();
    station.longitude.reset();
    std::vector<DailyWeather> days = {
        {2024, 60, 18.0, 20.0, 6.0, 0.0, std::nullopt, std::nullopt, 3.0}};
    std::vector<std::string> lines = apsimWeatherLines(days, station);
    // FAO-56 Annex 2, Table 2.3: e(3.0 oC) = 0.758 kPa.
    EXPECT_EQ(lines.at(5), "year day radn maxt mint rain vp");
    EXPECT_EQ(lines.at(6), "() () (MJ/m^2) (oC) (oC) (mm) (hPa)");
    EXPECT_EQ(lines.at(7), "2024 60 18.00 20.0 6.0 0.0 7.58");
}

TEST(MonthlyTemperature, ReproducesTheAverageAndAmplitudeOfAPublishedDssatFile) {
    std::istringstream text(
        readText(std::filesystem::path(CLIMORA_TESTS_DIR) / "formats" / "data" / "ACNM1301.WTH"));
    std::vector<DailyWeather> days;
    std::string line;
    while (std::getline(text, line)) {
        std::istringstream fields(line);
        DailyWeather day;
        int date = 0;
        if (!std::isdigit(static_cast<unsigned char>(line[0])) ||
            !(fields >> date >> day.solar >> day.maxTemperature >> day.minTemperature))
            continue;
        day.year = 2000 + date / 1000;
        day.dayOfYear = date % 1000;
        days.push_back(day);
    }
    ASSERT_EQ(days.size(), 365u);
    std::optional<AnnualTemperature> annual = annualTemperature(days);
    ASSERT_TRUE(annual);
    EXPECT_EQ(fixedText(annual->average, 1), "12.8");                 // TAV of the file
    EXPECT_EQ(fixedText(annual->warmestMinusColdest / 2, 1), "11.2"); // its AMP
}

TEST(MonthlyTemperature, MonthsFollowTheYearsCalendar) {
    struct Case {
        int year, dayOfYear, month;
    } cases[] = {{2023, 59, 2}, {2023, 60, 3},   {2024, 60, 2},   {2024, 61, 3},
                 {2024, 1, 1},  {2024, 366, 12}, {2023, 335, 12}, {2023, 334, 11}};
    for (const Case& c : cases)
        EXPECT_EQ(monthOfDayOfYear(c.year, c.dayOfYear), c.month) << c.year << " " << c.dayOfYear;
}

TEST(StationCode, OnlyFourLettersMakeACode) {
    struct Case {
        std::string text;
        std::optional<std::string> code;
    } cases[] = {{"acnm", "ACNM"},
                 {"UfGa", "UFGA"},
                 {"ABC", std::nullopt},
                 {"ABCDE", std::nullopt},
                 {"AB1D", std::nullopt},
                 {"AB D", std::nullopt},
                 {"\xc3\x84"
                  "BC",
                  std::nullopt}};
    for (const Case& c : cases)
        EXPECT_EQ(stationCodeOf(c.text), c.code) << c.text;
    EXPECT_EQ(stationCodeFromInputName("/data/FALN_Agrimet_daily.csv"), "FALN");
    EXPECT_EQ(stationCodeFromInputName("coagmet_hyk02.csv"), "COAG");
    EXPECT_EQ(stationCodeFromInputName("12ab.txt"), std::nullopt);
}
