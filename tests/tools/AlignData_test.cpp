#include "tools/AlignData.h"
#include "tools/ToolFixture.h"

using namespace climora;
using climora::testing::readBytes;
using climora::testing::ToolFixture;
using Events = std::vector<std::string>;

TEST(AlignDataLine, WritesEachNumberFollowedByATab) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"2005   32  12.5      3.1", "2005\t32\t12.5\t3.1\t"},
        {"\t2005,1,1,-3.5\t", "2005\t1\t1\t-3.5\t"},
        // Flags and the character that ends a number are dropped.
        {"12.5M 3.1", "12.5\t3.1\t"},
        {"1.5E3", "1.5\t3\t"},      // an exponent splits the number
        {"25\u00B0C 7", "25\t7\t"}, // degree sign
        {"12--5", "12\t-5\t"},      // the first dash ends 12, the second starts -5
        // A point cannot start a number, a dash can; a lone dash stays a field.
        {".5", "5\t"},
        {"-.5", "-.5\t"},
        {"3 - 4", "3\t-\t4\t"},
        {"7 -", "7\t-\t"},
        {"2005-01-05,4.2", "2005\t01\t05\t4.2\t"}, // dates with dashes: three fields
        {"Missing data. End of file", ""},         // rows without digits become empty
        {"", ""},
    };
    for (const auto& [row, aligned] : cases)
        EXPECT_EQ(alignDataLine(row), aligned) << row;
}

class AlignInputData : public ToolFixture {};

TEST_F(AlignInputData, RewritesDataRowsAndKeepsHeaderLines) {
    std::vector<std::string> lines = {"Station 3-A, 12 m", "Year Day Tmax", "2005  1 12.5M",
                                      "note: -"};
    ASSERT_TRUE(alignInputData({lines, "station", "2"}, context));
    EXPECT_EQ(*replaced, (std::vector<std::string>{"Station 3-A, 12 m", "Year Day Tmax",
                                                   "2005\t1\t12.5\t", "-\t"}));
    EXPECT_EQ(events(), Events{"tone: exclamation"});
    EXPECT_FALSE(workFileExists("Input.~"));
    EXPECT_EQ(readBytes(folder / "Output.~"),
              "Station 3-A, 12 m\r\nYear Day Tmax\r\n2005\t1\t12.5\t\r\n-\t\r\n");
    EXPECT_FALSE(gauge.visible);
    EXPECT_EQ(gauge.steps, (3 + 1) + (1 + 1)); // per number and per line end
}

TEST_F(AlignInputData, ChecksInputNameBeforeRowsBox) {
    std::vector<std::string> lines = {"1 2"};
    EXPECT_FALSE(alignInputData({lines, "", ""}, context));
    EXPECT_FALSE(alignInputData({lines, "x", " "}, context));
    EXPECT_FALSE(alignInputData({lines, "x", "two"}, context));
    EXPECT_EQ(events(),
              (Events{"tone: error", "error: Open a file first.", "tone: error",
                      "error: The number of rows before start of data is not specified yet.",
                      "tone: error", "error: 'two' is not a valid integer value."}));
    EXPECT_FALSE(replaced);
    EXPECT_FALSE(workFileExists("Input.~"));
}

TEST_F(AlignInputData, UnwritableTemporaryLeavesThePanelAlone) {
    std::filesystem::create_directory(folder / "Output.~"); // cannot be opened as a file
    std::vector<std::string> lines = {"1 2"};
    EXPECT_FALSE(alignInputData({lines, "x", "0"}, context));
    EXPECT_FALSE(replaced);
    ASSERT_EQ(events().size(), 2u);
    EXPECT_EQ(events()[0], "tone: error");
    EXPECT_NE(events()[1].find("Output.~"), std::string::npos);
    EXPECT_FALSE(gauge.visible);
}
