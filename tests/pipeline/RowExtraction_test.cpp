#include "PipelineFixture.h"
#include "pipeline/NumberReader.h"
#include "pipeline/RowExtraction.h"

using namespace climora;
using climora::testing::PipelineTest;

using EndNotes = PipelineTest;

const MissingValueSettings cleaningOnly{false, "-99", "0.01"};

TEST_F(EndNotes, AShortDataLineEndsTheDataAndEverythingAfterItGoes) {
    // The window cuts the saved panel; the extraction of an input file left
    // where it lies leaves the same lines out (and cleans those it keeps).
    struct {
        const char* input;
        long long rows;
        const char* kept;
        const char* extracted;
        long lines;
    } cases[] = {
        {"Head\r\nx\r\n2005 1 3\r\n2005 2 4\r\n2005\r\n2005 3 5\r\n", 2,
         "Head\r\nx\r\n2005 1 3\r\n2005 2 4\r\n", nullptr, 6},
        {"H\r\n2005 1 3\r\n\r\nNotes: data are provisional\r\n", 1, "H\r\n2005 1 3\r\n", nullptr,
         4},
        {"\r\nab\r\n2005 1 3\r\n2005 2 4", 2, "\r\nab\r\n2005 1 3\r\n2005 2 4",
         "\r\nab\r\n2005 1 3\r\n2005 2 4\r\n", 4},
        {"only\r\nheader\r\n", 5, "only\r\nheader\r\n", nullptr, 2}, // N beyond the last line
        {"2005\xC2\xB0\r\n", 0, "2005\xC2\xB0\r\n", "2005 \r\n", 1}, // 5 characters, 6 bytes
        {"20\xC2\xB0\xC2\xB0\r\n9", 0, "", nullptr, 2},              // four characters
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        input(c.input, c.rows);
        EXPECT_EQ(removeEndNotes(context), c.lines);
        EXPECT_EQ(file("Input.~"), c.kept);

        climora::testing::writeBytes(folder / "station.txt", c.input);
        context.inputFile = folder / "station.txt";
        state.columnCount = 1;
        EXPECT_EQ(extractDataRows(context, cleaningOnly), c.lines);
        EXPECT_EQ(file("Input.~"), c.extracted ? c.extracted : c.kept);
        context.inputFile.clear();
    }
}

using Cleaning = PipelineTest;

const MissingValueSettings& noSubstitution = cleaningOnly;

TEST_F(Cleaning, CleansFlagsAndCommasButNeverTheHeader) {
    input("Date,Tmax (\xC2\xB0"
          "F)\r\n23.5,12.1\r\n24.0M,11.9E\r\n",
          1);
    gauge.show();
    extractDataRows(context, noSubstitution);
    EXPECT_EQ(file("Input.~"), "Date,Tmax (\xC2\xB0"
                               "F)\r\n23.5 12.1\r\n24.0  11.9 \r\n");
    EXPECT_FALSE(gauge.visible);
}

TEST_F(Cleaning, CleansEachLineBeforeItsValuesAreSubstituted) {
    input("H\r\n2005,1,-99M,4.5E\r\nNo data\r\n2005,2,7,-99\r\n", 1);
    extractDataRows(context, MissingValueSettings{});
    // A line cleaned to blanks takes the next line's values.
    EXPECT_EQ(file("Input.~"), "H\r\n2005\t1\t0.01\t4.500\t\r\n2005\t2\t7\t0.01\t\r\n");
}

using Substitution = PipelineTest;

TEST_F(Substitution, WritesTheNormalForm) {
    // Nearest with halves to even: -98.5 and -99.5 both miss -99, -98.6 hits it.
    input("Head, with letters\r\n-99 -99.0 -99.4 -98.5 -99.5 -98.6 12.30004 7.00002 1000  \r\n"
          "1.5\t-0.00004\r\n",
          1);
    extractDataRows(context, MissingValueSettings{});
    EXPECT_EQ(file("Input.~"), "Head, with letters\r\n"
                               "0.01\t0.01\t0.01\t-98.500\t-99.500\t0.01\t12.300\t7\t1000\t\r\n"
                               "1.500\t0\t\r\n");
    EXPECT_FALSE(exists("Output.~"));
    EXPECT_EQ(gauge.steps, 2);
}

TEST_F(Substitution, TakesTheSignAndTextFromTheSettings) {
    input("-9 5 -9.2\r\n", 0);
    extractDataRows(context, MissingValueSettings{true, "-9", ""});
    EXPECT_EQ(file("Input.~"), "\t5\t\t\r\n");
}

TEST_F(Substitution, ALineOfBlanksJoinsTheNextLine) {
    input("11 22\r\n      \r\n33 44\r\n", 0);
    extractDataRows(context, MissingValueSettings{});
    EXPECT_EQ(file("Input.~"), "11\t22\t\r\n33\t44\t\r\n");
}

TEST_F(Substitution, FailsOnTextsThatAreNotNumbers) {
    input("2005 1.2.3\r\n", 0);
    EXPECT_THROW(extractDataRows(context, MissingValueSettings{}), InvalidNumericInput);
    EXPECT_EQ(file("Input.~"), "2005 1.2.3\r\n"); // the input is not replaced
    input("2005 -\r\n", 0);
    EXPECT_THROW(extractDataRows(context, MissingValueSettings{}), InvalidNumericInput);
    try {
        extractDataRows(context, MissingValueSettings{true, "-99x", "0"});
        ADD_FAILURE();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "'-99x' is not a valid integer value");
    }
}

TEST(MissingValueSign, OnlyIntegersAreAccepted) {
    RecordingMessenger messenger;
    EXPECT_TRUE(testInputTypeOne("-99", messenger));
    EXPECT_TRUE(testInputTypeOne("0", messenger));
    EXPECT_TRUE(messenger.events().empty());
    EXPECT_FALSE(testInputTypeOne("-99.5", messenger));
    EXPECT_FALSE(testInputTypeOne("", messenger)); // still being typed: no box
    EXPECT_EQ(
        messenger.events(),
        (std::vector<std::string>{
            "tone: error", "plain: Only an integer type value is allowed! Correct the setting."}));
    EXPECT_EQ(missingValueSign(" -99"), -99);
}

using MissingValues = PipelineTest;

TEST_F(MissingValues, ReportsLinesWithSomeButTooFewValues) {
    columns({{Year, ""}, {DOY, ""}, {Solar, "MJ/m2/d"}, {TMax, "oC"}, {TMin, "oC"}});
    input("H\r\n2005\t1\t3\t4\t\r\n2005\t2\t3\t4\t\r\n2005 3 1 2 3 4\r\n     \r\n"
          "2005 4 -9999 1 1\r\n-9999 5 1 1 1\r\n",
          1);
    extractDataRows(context, noSubstitution);
    EXPECT_TRUE(state.abort);
    EXPECT_EQ(events(),
              (Events{"tone: error", "error: Missing values are found. Correct the data first."}));
    EXPECT_EQ(panel.lines(),
              (std::vector<std::string>{"Missing values are found on the following lines:", "",
                                        "2005\t1\t3\t4\t", "2005\t2\t3\t4\t", "2005 4 -9999 1 1"}));
    EXPECT_FALSE(exists("Input.~"));
}

TEST_F(MissingValues, CompleteLinesPassAndLeaveNoFilesBehind) {
    columns({{Year, ""}, {DOY, ""}, {Solar, "MJ/m2/d"}});
    input("2005 1 3 9\r\n2005 2 3\r\n", 0);
    extractDataRows(context, noSubstitution);
    EXPECT_FALSE(state.abort);
    EXPECT_TRUE(events().empty());
    EXPECT_TRUE(exists("Input.~"));
    EXPECT_FALSE(exists("Report.~"));
    EXPECT_FALSE(exists("Out.~"));
}

TEST_F(MissingValues, EveryWritingOfTheSentinelCounts) {
    columns({{Year, ""}, {DOY, ""}, {Precip, "mm"}, {TMax, "oC"}});
    input("2005 1 -9999.000 1\r\n2005 2 -09999 1\r\n2005 3 -9999.5 1\r\n2005 4 9999 1\r\n"
          "2005 5 -.9999 1\r\n2005 6 -999 1\r\n",
          0);
    extractDataRows(context, noSubstitution);
    EXPECT_EQ(panel.lines(),
              (std::vector<std::string>{"Missing values are found on the following lines:", "",
                                        "2005 1 -9999.000 1", "2005 2 -09999 1"}));
}

TEST_F(MissingValues, SubstitutedLinesAreTheOnesChecked) {
    columns({{Year, ""}, {DOY, ""}, {Solar, "MJ/m2/d"}});
    input("2005,1,-99\r\n2005,2 M\r\n2005,3,4\r\n", 0);
    extractDataRows(context, MissingValueSettings{});
    EXPECT_EQ(panel.lines(),
              (std::vector<std::string>{"Missing values are found on the following lines:", "",
                                        "2005\t2\t"}));
    EXPECT_FALSE(exists("Input.~"));
}

TEST_F(MissingValues, OneColumnNeverReports) {
    columns({{Year, ""}});
    input("2005\r\n-9999\r\n", 0);
    extractDataRows(context, noSubstitution);
    EXPECT_FALSE(state.abort);
}

TEST_F(MissingValues, AnUnreadableValueEndsTheScanQuietly) {
    columns({{Year, ""}, {DOY, ""}, {Solar, "MJ/m2/d"}});
    input("2005 1\r\n2005 - 3\r\n2005 3\r\n", 0);
    extractDataRows(context, noSubstitution);
    EXPECT_EQ(panel.lines(),
              (std::vector<std::string>{"Missing values are found on the following lines:", "",
                                        "2005 1"}));
    input("2005 1.2.3 3\r\n2005 3\r\n", 0);
    state.abort = false;
    messenger.clear();
    extractDataRows(context, noSubstitution);
    EXPECT_FALSE(state.abort);
    EXPECT_TRUE(events().empty());
}
