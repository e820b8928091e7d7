// The notes of climora-batch: each rule with a run that breaks it and one
// that must not, the place of an unreadable number, and --no-notes.

#include "testing/BatchRunner.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

using climora::testing::BatchRun;
using climora::testing::TempFolder;

namespace {

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

BatchRun run(const std::string& options, const std::string& input) {
    TempFolder scratch;
    climora::testing::writeBytes(scratch / "in.txt", input);
    std::vector<std::string> args = words(options);
    args.push_back("in.txt");
    return climora::testing::runBatch(scratch.path(), args, scratch.path());
}

struct NoteCase {
    const char* name;
    const char* options;
    const char* input; // one header line, then the data
    const char* notes; // the "note: " lines expected, exactly
};

const char* const checkOnly = "--task 3 --rows 1 --columns ";
const char* const allLayoutColumns =
    "--rows 1 --site 40,100,100 --columns Year,DOY,Solar:MJ/m2/d,T-max:oC,T-min:oC,Precip:mm,"
    "RelHum,ET:mm ";

const NoteCase noteCases[] = {
    {"humidity as a fraction", "Year,DOY,RelHum", "H\n2020 1 0.5\n2020 2 0.9\n",
     "note: COLUMN 3 (RelHum): values all lie in 0-1.5, a fraction rather than %; 2 rows, first "
     "on line 2\n"},
    {"humidity in per cent", "Year,DOY,RelHum", "H\n2020 1 50\n2020 2 1.2\n", ""},
    {"daily range above 45", "Year,DOY,T-max:oC,T-min:oC", "H\n2020 1 20 2\n2020 2 50 4\n",
     "note: COLUMN 3 (T-max): T-max - T-min above 45 oC; 1 row, first on line 3\n"},
    {"daily range of 45", "Year,DOY,T-max:oC,T-min:oC", "H\n2020 1 45 0\n", ""},
    {"precipitation above 400", "Year,DOY,Precip:inch", "H\n2020 1 0\n2020 2 16\n2020 3 17\n",
     "note: COLUMN 3 (Precip): above 400 mm in a day; 2 rows, first on line 3\n"},
    {"precipitation of 400", "Year,DOY,Precip:mm", "H\n2020 1 400\n", ""},
    {"wind above 40 m/s", "Year,DOY,WndSpd:km/hr", "H\n2020 1 150\n",
     "note: COLUMN 3 (WndSpd): above 40 m/s; 1 row, first on line 2\n"},
    {"wind of 40 m/s", "Year,DOY,WndSpd:m/s", "H\n2020 1 40\n", ""},
    {"dew point above T-max", "Year,DOY,T-max:oF,T-min:oF,Dewpoint:oC", "H\n2020 1 50 40 11\n",
     "note: COLUMN 5 (Dewpoint): dew point above the day's T-max; 1 row, first on line 2\n"},
    {"dew point at T-max", "Year,DOY,T-max:oC,T-min:oC,Dewpoint:oF", "H\n2020 1 10 5 50\n", ""},
    {"oC that look like oF", "Year,DOY,T-max:oC,T-min:oC", "H\n2020 1 55 20\n2020 2 57 21\n",
     "note: COLUMN 3 (T-max): mean 56.0 in oC, probably oF; 2 rows, first on line 2\n"},
    {"oF that look like oC", "Year,DOY,T-max:oF,T-min:oF", "H\n2020 1 30 10\n",
     "note: COLUMN 3 (T-max): values all lie in -10..45 oF, probably oC; 1 row, first on line 2\n"},
    {"oF that are oF", "Year,DOY,T-max:oF,T-min:oF", "H\n2020 1 50 10\n", ""},
    {"W/m2 read as MJ", "Year,DOY,Solar:MJ/m2/d", "H\n2020 1 40\n2020 2 50\n",
     "note: COLUMN 3 (Solar): mean 45.0 MJ/m2/d, probably W/m2; 2 rows, first on line 2\n"},
    {"MJ read as W/m2", "Year,DOY,Solar:W/m2", "H\n2020 1 20\n",
     "note: COLUMN 3 (Solar): mean 20.0 W/m2, probably MJ/m2/d; 1 row, first on line 2\n"},
    {"solar in its unit", "Year,DOY,Solar:W/m2", "H\n2020 1 200\n", ""},
    {"no data rows", "Year,DOY,RelHum", "H\n",
     "note: no data rows: the file has 1 line; 1 row before data start\n"},
    {"slashed dates", "Year,DOY,T-max:oC,T-min:oC", "H\n2020/01/01 20 10\n",
     "note: COLUMN 1 (Year): dates written with slashes are read as three numbers; give columns 1 "
     "to 3 the Year, Month and Day slots; 1 row, first on line 2\n"},
    {"slashed dates in their slots", "Year,Month,Day,T-max:oC,T-min:oC", "H\n2020/01/01 20 10\n",
     ""},
};

const NoteCase otherTaskCases[] = {
    {"variables written as 0", "--rows 1 --columns Year,DOY,T-max:oC,T-min:oC", "H\n2020 1 20 10\n",
     "note: no input column for Solar, RelHum, Precip, ET: written as 0 on every line\n"},
    {"every layout variable given", allLayoutColumns, "H\n2020 1 8 20 10 0 50 2\n", ""},
    {"solar above clear sky", allLayoutColumns,
     "H\n2020 1 8 20 10 0 50 2\n2020 2 20 20 10 0 50 2\n",
     "note: COLUMN 3 (Solar): above the clear-sky radiation of the day by more than 10 %; 1 row, "
     "first on line 3\n"},
};

} // namespace

TEST(BatchNotes, EachRuleNotesWhatBreaksItAndNothingElse) {
    for (const NoteCase& c : noteCases) {
        SCOPED_TRACE(c.name);
        BatchRun result = run(std::string(checkOnly) + c.options, c.input);
        EXPECT_EQ(result.notes, c.notes);
    }
    for (const NoteCase& c : otherTaskCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(run(c.options, c.input).notes, c.notes);
    }
}

TEST(BatchNotes, NotesChangeNeitherOutputNorStatusAndNoNotesDropsThem) {
    std::string options = std::string(checkOnly) + "Year,DOY,RelHum";
    BatchRun noted = run(options, "H\n2020 1 0.5\n");
    BatchRun quiet = run("--no-notes " + options, "H\n2020 1 0.5\n");
    EXPECT_NE(noted.notes, "");
    EXPECT_EQ(quiet.notes, "");
    EXPECT_EQ(noted.output, quiet.output);
    EXPECT_EQ(noted.errors, quiet.errors);
    EXPECT_EQ(noted.exitStatus, quiet.exitStatus);
}

TEST(BatchNotes, AnUnreadableNumberIsPlacedInANote) {
    struct {
        const char* input;
        const char* notes;
    } cases[] = {
        {"H\nH\n2020-01-01 20 10\n", "note: line 3, value 1 of the input: \"2020-01-01\"; \"Align "
                                     "input data using tabs\" splits such dates into fields\n"},
        {"H\nH\n2020 1 20 10\n2020 2 21 1.2.3\n",
         "note: line 4, value 4 of the input: \"1.2.3\"\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        BatchRun result = run("--rows 2 --columns Year,DOY,T-max:oC,T-min:oC", c.input);
        EXPECT_EQ(result.errors, "error: Invalid numeric input\n");
        EXPECT_EQ(result.exitStatus, 2);
        EXPECT_EQ(result.notes, c.notes);
        EXPECT_EQ(run("--no-notes --rows 2 --columns Year,DOY,T-max:oC,T-min:oC", c.input).notes,
                  "");
    }
}

TEST(BatchNotes, EmptyFieldsAreMissingValuesAndDecimalCommasArePoints) {
    const std::string options = "--rows 1 --columns Year,DOY,T-max:oC,T-min:oC";
    const std::string header = "Year\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET\r\n"
                               "\t\tMJ/m2\toC\toC\t%\tmm\tmm\r\n";
    struct {
        const char* name;
        const char* extra;
        const char* input;
        const char* output;
        int status;
    } cases[] = {
        // Without the mend T-min would take the ignored 7 that follows.
        {"empty field, substitution on", "", "H\n2016,1,20,,7\n",
         "2016\t1\t0.00\t20.0\t0.0\t0\t0.0\t0.0\r\n", 0},
        {"blank field, substitution on", "", "H\n2016,1,20, ,7\n",
         "2016\t1\t0.00\t20.0\t0.0\t0\t0.0\t0.0\r\n", 0},
        {"empty field, substitution off", "--no-substitution ", "H\n2016,1,20,,7\n",
         "Missing values are found on the following lines:\r\n\r\n2016 1 20  7\r\n", 1},
        {"separator ending the line", "", "H\n2016,1,20,5,\n",
         "2016\t1\t0.00\t20.0\t5.0\t0\t0.0\t0.0\r\n", 0},
        {"decimal commas", "", "H\n2016;1;12,5;3,4\n", "2016\t1\t0.00\t12.5\t3.4\t0\t0.0\t0.0\r\n",
         0},
        {"text fields keep their place", "", "H\nNO RECORD,2016,1,12,3\n",
         "2016\t1\t0.00\t12.0\t3.0\t0\t0.0\t0.0\r\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BatchRun result = run(c.extra + options, c.input);
        std::string expected = c.status == 0 ? "H\r\n" + header + c.output : c.output;
        EXPECT_EQ(result.output, expected);
        EXPECT_EQ(result.exitStatus, c.status);
    }
}
