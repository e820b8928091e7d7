// A station file converted to Agrovia directly and through a DSSAT or APSIM
// file written by Climora and read back by climora-batch gives the same data,
// to the precision the crop-model layout keeps.

#include "formats/ApsimWeatherFile.h"
#include "formats/ConvertedDay.h"
#include "formats/DssatWeatherFile.h"
#include "formats/LayoutFile.h"
#include "pipeline/Calendar.h"
#include "pipeline/Conversion.h"
#include "pipeline/DataRows.h"
#include "pipeline/PipelineFixture.h"
#include "testing/BatchRunner.h"

#include <cmath>
#include <sstream>

using namespace climora;
using namespace climora::testing;

namespace {

// Forty days across two month ends in US units, values off the round grid.
std::string stationText() {
    std::ostringstream text;
    text << "Year Month Day Solar Tmax Tmin Precip RH Wind\r\n";
    for (int i = 0; i < 40; ++i) {
        int day = 20 + i; // 20 January to 28 February
        int month = day > 31 ? 2 : 1;
        text << 2023 << ' ' << month << ' ' << (month == 1 ? day : day - 31) << ' '
             << 180 + 7.37 * i << ' ' << 41.3 + 0.61 * i << ' ' << 20.1 + 0.43 * i << ' '
             << (i % 4 == 0 ? 0.013 * i : 0) << ' ' << 35 + i << ' ' << 3.1 + 0.17 * i << "\r\n";
    }
    return text.str();
}

const std::string stationColumns =
    "Year,Month,Day,Solar:Langley,T-max:oF,T-min:oF,Precip:inch,RelHum,WndSpd:mile/hr";

class LayoutReadBack : public PipelineTest {
  protected:
    // The converted days of the station file, as a completed run holds them.
    std::vector<DailyWeather> convertedDays() {
        columns({{Year, ""},
                 {Month, ""},
                 {Day, ""},
                 {Solar, "Langley"},
                 {TMax, "oF"},
                 {TMin, "oF"},
                 {Precip, "inch"},
                 {RelHum, "%"},
                 {WndSpd, "mile/hr"}});
        input(stationText(), 1);
        std::vector<DailyWeather> days;
        DataRows rows(context, DataRows::Mode::Read);
        while (rows.next())
            days.push_back(
                dailyWeatherOf(record, *dayOfYearOf(record.year, record.month, record.day), spec));
        return days;
    }

    // The data lines of the Agrovia output of climora-batch.
    std::vector<std::string> agroviaRows(const std::string& file, const std::string& rows,
                                         const std::string& slots) {
        BatchRun run =
            runBatch(folder.path(), {"--rows", rows, "--columns", slots, file}, folder.path());
        EXPECT_EQ(run.exitStatus, 0) << file << ": " << run.errors;
        std::vector<std::string> lines = splitLines(run.output);
        auto units = std::find(lines.begin(), lines.end(), agroviaUnits);
        EXPECT_NE(units, lines.end()) << run.output;
        return {units == lines.end() ? lines.end() : units + 1, lines.end()};
    }
};

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    return fields;
}

// Equal lines, but for Solar (third field), which may differ by the
// layout's half unit.
void expectSameData(const std::vector<std::string>& direct,
                    const std::vector<std::string>& readBack, double solarTolerance) {
    ASSERT_EQ(direct.size(), readBack.size());
    for (std::size_t i = 0; i < direct.size(); ++i) {
        std::vector<std::string> a = fieldsOf(direct[i]), b = fieldsOf(readBack[i]);
        ASSERT_EQ(a.size(), 8u) << direct[i];
        ASSERT_EQ(b.size(), 8u) << readBack[i];
        EXPECT_NEAR(std::stod(a[2]), std::stod(b[2]), solarTolerance) << direct[i];
        a[2] = b[2];
        EXPECT_EQ(a, b) << direct[i] << " | " << readBack[i];
    }
}

} // namespace

TEST_F(LayoutReadBack, DssatAndApsimFilesReadBackToTheSameAgroviaData) {
    writeBytes(folder / "station.txt", stationText());
    std::vector<std::string> direct = agroviaRows("station.txt", "1", stationColumns);
    ASSERT_EQ(direct.size(), 40u);

    std::vector<DailyWeather> days = convertedDays();
    WeatherStation station{"HOLY", 40.49, 102.3, 1138, 2, 2};
    writeLayoutFile(folder / "HOLY2301.WTH", dssatWeatherLines(days, station, "Holyoke"));
    writeLayoutFile(folder / "holyoke.met", apsimWeatherLines(days, station));

    expectSameData(direct,
                   agroviaRows("HOLY2301.WTH", "5",
                               "YYDOY,Solar:MJ/m2/d,T-max:oC,T-min:oC,Precip:mm,Ignore,RelHum"),
                   0.05 + 0.005);
    expectSameData(direct,
                   agroviaRows("holyoke.met", "8",
                               "Year,DOY,Solar:MJ/m2/d,T-max:oC,T-min:oC,Precip:mm,WndSpd:m/s,"
                               "RelHum"),
                   0);
}
