#include "base/TextFile.h"
#include "input/ColumnSuggestion.h"
#include "testing/BatchRunner.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

using namespace climora;

namespace {

std::vector<std::string> splitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

// A column as the --columns syntax writes it; "" when left empty.
std::string itemOf(const SuggestedColumn& column) {
    if (column.variable < 0)
        return "";
    std::string item(variableNames()[column.variable]);
    return column.unit.empty() || hasSingleUnit(column.variable) ? item : item + ":" + column.unit;
}

// "Ignore" and an empty slot both leave a column unread.
bool sameReading(const std::string& expected, const std::string& actual) {
    auto unread = [](const std::string& item) { return item.empty() || item == "Ignore"; };
    return expected == actual || (unread(expected) && unread(actual));
}

struct ServiceFile {
    const char* file;
    std::size_t rows;
    const char* columns; // every data column, in the --columns syntax
    double leastShareRight;
};

// What a careful user would choose for each data column of the file.
const ServiceFile serviceFiles[] = {
    {"agrimet_faln_2015.csv", 1,
     "Year,Month,Day,T-min:oF,T-max:oF,Solar:Langley,Ignore,WndSpd:mile/hr,ET:inch,", 1.0},
    {"coagmet_hyk02_2020.csv", 1,
     "Ignore,Year,Month,Day,Ignore,T-max:oC,T-min:oC,Ignore,Ignore,Solar:W/m2,,ET:mm,,", 1.0},
    {"dssat_acnm1301.wth", 5, "YYDOY,Solar:MJ/m2/d,T-max:oC,T-min:oC,Precip:mm", 1.0},
    {"ghcnd_usw00023183.csv", 1,
     "Ignore,Year,Month,Day,Precip:inch,Ignore,Ignore,T-max:oF,T-min:oF", 1.0},
    {"power_daily_point.csv", 15,
     "Year,DOY,Solar:MJ/m2/d,T-max:oC,T-min:oC,Precip:mm,RelHum,WndSpd:m/s", 1.0},
    {"meteostat_10637.csv", 1,
     "Year,Month,Day,Ignore,T-min:oC,T-max:oC,Precip:mm,Ignore,Ignore,WndSpd:km/hr,Ignore,Ignore,",
     1.0},
    {"dssat_amia2001.wth", 5, ",Solar:MJ/m2/d,T-max:oC,T-min:oC,Precip:mm,,RelHum", 1.0},
    {"apsim_dalby.met", 10, "Year,DOY,Solar:MJ/m2/d,T-max:oC,T-min:oC,Precip:mm,PanEvap:mm,Ignore",
     1.0},
    {"knmi_260_daily.txt", 18, "Ignore,,Ignore,,,,SunHr%,,,RelHum", 1.0},
    {"agrimet_faln_capture.txt", 6,
     "Month,Day,Year,ET:inch,T-min:oF,T-max:oF,Precip:inch,Solar:Langley,Ignore,WndSpd:mile/hr",
     1.0},
};

} // namespace

TEST(ColumnSuggestion, PlacesTheColumnsOfServiceFiles) {
    for (const ServiceFile& service : serviceFiles) {
        SCOPED_TRACE(service.file);
        auto lines =
            readTextLines(std::string(CLIMORA_TESTS_DIR) + "/input/suggestion/" + service.file);
        ColumnSuggestion suggestion = suggestColumns(lines);
        EXPECT_EQ(suggestion.rows, std::optional<std::size_t>(service.rows));
        std::vector<std::string> expected = splitAt(service.columns, ',');
        ASSERT_EQ(suggestion.columns.size(), expected.size());
        std::size_t right = 0;
        for (std::size_t c = 0; c < expected.size(); ++c) {
            std::string actual = itemOf(suggestion.columns[c]);
            right += sameReading(expected[c], actual) ? 1 : 0;
            if (!sameReading(expected[c], actual))
                std::printf("  %s column %zu: expected \"%s\", suggested \"%s\"\n", service.file,
                            c + 1, expected[c].c_str(), actual.c_str());
        }
        double share = static_cast<double>(right) / static_cast<double>(expected.size());
        std::printf("%-26s %2zu of %2zu columns right (%3.0f %%)\n", service.file, right,
                    expected.size(), 100 * share);
        EXPECT_GE(share, service.leastShareRight);
    }
}

namespace {

struct BadInput {
    const char* what;
    std::vector<std::string> lines;
    std::optional<std::size_t> rows;
    const char* columns; // columnsOptionText
    const char* note;    // a text some note holds; "" when there are no notes
};

std::string windows1252(const std::string& bytes) {
    return decodeText(bytes);
}

const std::vector<BadInput> badInputs = {
    {"header in Windows-1252 with degree signs",
     {windows1252("Year\tDOY\tTmax (\xB0"
                  "F)\tTmin (\xB0"
                  "F)\train_mm"),
      "2020\t1\t41.0\t28.4\t0.0", "2020\t2\t44.6\t30.2\t1.2", "2020\t3\t39.2\t27.5\t0.0"},
     1,
     "Year,DOY,T-max:oF,T-min:oF,Precip:mm",
     ""},
    {"no header: dates by position and range, a T-max above T-min pair",
     {"2019 1 5.1 -2.0 0.0", "2019 2 4.0 -3.5 2.5", "2019 3 6.2 -1.0 0.0", "2019 4 7.9 0.4 0.0",
      "2019 5 3.3 -4.1 0.0"},
     0,
     "Year,DOY,T-max:oC,T-min:oC,Precip:mm",
     ""},
    {"more names than columns",
     {"@DATE  SRAD  TMAX  TMIN  RAIN  DEWP  WIND", "20001  10.2  12.1   1.0   0.0",
      "20002  11.0  13.4   2.2   3.1", "20003   9.1  10.0   0.5   0.0"},
     1,
     "YYDOY,Solar:MJ/m2/d,T-max:oC,T-min:oC,Precip:mm",
     ""},
    {"duplicate names: the first is kept",
     {"year,doy,tmax,tmax,tmin", "2020,1,20.5,20.4,8.0", "2020,2,21.0,20.9,9.1",
      "2020,3,19.5,19.4,7.7"},
     1,
     "Year,DOY,T-max:oC,,T-min:oC",
     "a second T-max column"},
    {"all-numeric first lines: a line of years over the data",
     {"1990 2020", "1990 1 12.0 3.0 0.0 15.2", "1990 2 13.0 4.0 0.0 14.1",
      "1990 3 11.0 2.5 5.0 9.8", "1990 4 10.0 1.0 0.0 12.0"},
     1,
     "Year,DOY,T-max:oC,T-min:oC,Precip:mm",
     "columns left empty: 6"},
    {"relative humidity as a fraction",
     {"year doy rh", "2020 1 0.93", "2020 2 0.85", "2020 3 0.78"},
     1,
     "Year,DOY,RelHum",
     "a fraction rather than %"},
    {"rows given: the count is kept even where no data follow",
     {"Year DOY Tmax Tmin", "2020 1 10.0 2.0", "2020 2 11.0 3.0"},
     3,
     "",
     "the file has 3 lines; 3 rows before data start leave no data rows"},
    {"no rows of numbers",
     {"station report", "no data today"},
     std::nullopt,
     "",
     "no rows of numbers"},
};

} // namespace

TEST(ColumnSuggestion, BadInputGivesASoundSuggestionOrANote) {
    for (const BadInput& input : badInputs) {
        SCOPED_TRACE(input.what);
        ColumnSuggestion suggestion = suggestColumns(
            input.lines,
            std::string_view(input.what).rfind("rows given", 0) == 0 ? input.rows : std::nullopt);
        EXPECT_EQ(suggestion.rows, input.rows);
        EXPECT_EQ(columnsOptionText(suggestion), input.columns);
        std::string notes;
        for (const std::string& note : suggestion.notes)
            notes += note + "\n";
        if (std::string_view(input.note).empty())
            EXPECT_EQ(notes, "");
        else
            EXPECT_NE(notes.find(input.note), std::string::npos) << notes;
    }
}

TEST(ColumnSuggestion, BatchPrintsItsChoiceAndRunsWithIt) {
    namespace fs = std::filesystem;
    climora::testing::TempFolder scratch;
    fs::copy_file(fs::path(CLIMORA_TESTS_DIR) / "input/suggestion/apsim_dalby.met",
                  scratch / "dalby.met");
    const std::string columns =
        "Year,DOY,Solar:MJ/m2/d,T-max:oC,T-min:oC,Precip:mm,PanEvap:mm,Ignore";
    struct Case {
        std::vector<std::string> rows;
        std::string noteRows;
    };
    for (const Case& c : {Case{{}, "10"}, Case{{"--rows", "11"}, "11"}}) {
        std::vector<std::string> args = c.rows;
        args.insert(args.end(), {"--columns", "auto", "dalby.met"});
        climora::testing::BatchRun automatic =
            climora::testing::runBatch(scratch.path(), args, scratch.path());
        EXPECT_EQ(automatic.errors, "");
        EXPECT_TRUE(automatic.notes.starts_with("note: suggested --rows " + c.noteRows +
                                                " --columns " + columns + "\n"))
            << automatic.notes;
        EXPECT_EQ(automatic.exitStatus, 0);
        climora::testing::BatchRun explicitOptions = climora::testing::runBatch(
            scratch.path(), {"--rows", c.noteRows, "--columns", columns, "dalby.met"},
            scratch.path());
        EXPECT_EQ(automatic.output, explicitOptions.output);
        EXPECT_NE(automatic.output.find("Year\tDOY"), std::string::npos);
    }
}
