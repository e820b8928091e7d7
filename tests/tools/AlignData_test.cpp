#include "tools/AlignData.h"
#include "tools/ToolFixture.h"

using namespace climora;
using climora::testing::readBytes;
using climora::testing::ToolFixture;
using Events = std::vector<std::string>;

TEST(AlignDataLine, WritesEachNumberFollowedByATab) {
    EXPECT_EQ(alignDataLine("2005   32  12.5      3.1"), "2005\t32\t12.5\t3.1\t");
    EXPECT_EQ(alignDataLine("\t2005,1,1,-3.5\t"), "2005\t1\t1\t-3.5\t");
}

TEST(AlignDataLine, FlagsAndTheEndingCharacterAreDropped) {
    EXPECT_EQ(alignDataLine("12.5M 3.1"), "12.5\t3.1\t");
    EXPECT_EQ(alignDataLine("1.5E3"), "1.5\t3\t"); // exponent splits the number
    EXPECT_EQ(alignDataLine("25\xC2\xB0"
                            "C 7"),
              "25\t7\t");                          // degree sign
    EXPECT_EQ(alignDataLine("12--5"), "12\t-5\t"); // first dash ends 12, second starts -5
}

TEST(AlignDataLine, PointCannotStartANumberButDashCan) {
    EXPECT_EQ(alignDataLine(".5"), "5\t");
    EXPECT_EQ(alignDataLine("-.5"), "-.5\t");
    EXPECT_EQ(alignDataLine("3 - 4"), "3\t-\t4\t"); // a lone dash stays a field
    EXPECT_EQ(alignDataLine("7 -"), "7\t-\t");
}

TEST(AlignDataLine, DatesWithDashesBecomeThreeFields) {
    EXPECT_EQ(alignDataLine("2005-01-05,4.2"), "2005\t01\t05\t4.2\t");
}

TEST(AlignDataLine, RowWithoutDigitsBecomesEmpty) {
    EXPECT_EQ(alignDataLine("Missing data. End of file"), "");
    EXPECT_EQ(alignDataLine(""), "");
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
