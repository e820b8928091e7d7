#include "tools/RemoveColumns.h"
#include "tools/ToolFixture.h"

using namespace climora;
using climora::testing::readBytes;
using climora::testing::ToolFixture;
using Events = std::vector<std::string>;

namespace {

ColumnMarks marked(std::initializer_list<int> columns) {
    ColumnMarks marks{};
    for (int column : columns)
        marks[column - 1] = true;
    return marks;
}

} // namespace

TEST(RemoveColumnsLine, DropsMarkedColumnsThatExistAndTextBetweenNumbers) {
    EXPECT_EQ(removeColumnsLine("2005 32 12.5 3.1 0.0", marked({2, 4})), "2005\t12.5\t0.0\t");
    EXPECT_EQ(removeColumnsLine("2005 32M 12.5E 3.1", marked({})), "2005\t32\t12.5\t3.1\t");
    EXPECT_EQ(removeColumnsLine("2005-01-05 7", marked({2})), "2005\t05\t7\t");
    // Marks beyond a row's length remove nothing.
    EXPECT_EQ(removeColumnsLine("1 2 3", marked({5, 30})), "1\t2\t3\t");
    EXPECT_EQ(removeColumnsLine("no digits", marked({1})), "");
}

TEST(RemoveColumnsLine, NumbersBeyondTheThirtiethAreKept) {
    std::string row;
    for (int k = 1; k <= 33; ++k)
        row += std::to_string(k) + " ";
    ColumnMarks all;
    all.fill(true);
    EXPECT_EQ(removeColumnsLine(row, all), "31\t32\t33\t");
    EXPECT_EQ(removeColumnsLine(row, marked({1, 30})).substr(0, 5), "2\t3\t4");
    EXPECT_NE(removeColumnsLine(row, marked({30})).find("29\t31\t32\t33\t"), std::string::npos);
}

class RemoveColumns : public ToolFixture {};

TEST_F(RemoveColumns, RewritesRowsReplacesPanelThenTellsTheUser) {
    std::vector<std::string> lines = {"Year Day Solar Tmax", "2005 32 12.5 3.1", "2005 33 M 4"};
    ASSERT_TRUE(removeColumns({lines, "", "1"}, marked({2, 4}), context));
    EXPECT_EQ(*replaced,
              (std::vector<std::string>{"Year Day Solar Tmax", "2005\t12.5\t", "2005\t4\t"}));
    EXPECT_EQ(events(),
              (Events{"tone: exclamation", "information: Specified columns are removed."}));
    EXPECT_EQ(readBytes(folder / "Input.~"),
              "Year Day Solar Tmax\r\n2005 32 12.5 3.1\r\n2005 33 M 4\r\n");
    EXPECT_TRUE(workFileExists("Output.~"));
    EXPECT_EQ(gauge.steps, 2);
    EXPECT_FALSE(gauge.visible);
}

TEST_F(RemoveColumns, WindowNeedsTheRowsBoxButNoInputName) {
    EXPECT_TRUE(removeColumnsAllowed("0", messenger));
    EXPECT_FALSE(removeColumnsAllowed("", messenger));
    EXPECT_EQ(events(),
              (Events{"tone: error",
                      "error: The number of rows before start of data not specified yet."}));
}

TEST_F(RemoveColumns, UnwritableTemporaryLeavesThePanelAlone) {
    std::filesystem::create_directory(folder / "Input.~");
    std::vector<std::string> lines = {"1 2"};
    EXPECT_FALSE(removeColumns({lines, "", "0"}, marked({1}), context));
    EXPECT_FALSE(replaced);
    ASSERT_EQ(events().size(), 2u);
    EXPECT_EQ(events()[0], "tone: error");
    EXPECT_NE(events()[1].find("Input.~"), std::string::npos);
    EXPECT_FALSE(gauge.visible);
}
