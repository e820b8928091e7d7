#include "methods/EstimationAssembly.h"

#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::readBytes;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

namespace {

struct Files {
    TempFolder folder;
    WorkFolder work{folder.path()};

    void given(const std::string& input, const std::string& estimates) {
        writeBytes(folder / "Input.~", input);
        writeBytes(folder / "Out.~", estimates);
    }
    std::string output() const { return readBytes(folder / "Output.~"); }
    std::string input() const { return readBytes(folder / "Input.~"); }
};

} // namespace

TEST(AppendedColumn, DescriptionAloneWhenThereIsNoHeader) {
    Files files;
    files.given("2005\t1\t30\t15\r\n2005\t2\t28\t14\r\n", "24.38\r\n22.10\r\n");
    long long rows = 0;
    assembleAppendedColumn(files.work, rows, "Text ends in a blank. ");
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(files.output(), "Text ends in a blank. \r\n"
                              "2005\t1\t30\t15\t24.38\r\n"
                              "2005\t2\t28\t14\t22.10\r\n");
}

TEST(AppendedColumn, DescriptionContinuesTheFirstOfThreeHeaderLines) {
    Files files;
    files.given("Station A\r\nYear DOY Tmax\r\n  units  \r\n2005 1 30.0\r\n2005 2 28\r\n",
                "6.4\r\n6.1\r\n");
    long long rows = 3;
    assembleAppendedColumn(files.work, rows,
                           "Reference ET estimated by FAO Penman-Monteith method.");
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(files.output(), "Reference ET estimated by FAO Penman-Monteith method.Station A\r\n"
                              "Year DOY Tmax\r\n"
                              "  units  \r\n"
                              "2005 1 30.0\t6.4\r\n"
                              "2005 2 28\t6.1\r\n");
}

TEST(AppendedColumn, RowsAfterAnEarlyEndGetATabAndNothing) {
    Files files;
    files.given("H\r\n2005\t1\t30\r\n0\t2\t28\r\n2005\t3\t29\r\n", "24.38\r\n");
    long long rows = 1;
    assembleAppendedColumn(files.work, rows, "D ");
    EXPECT_EQ(files.output(), "D H\r\n2005\t1\t30\t24.38\r\n0\t2\t28\t\r\n2005\t3\t29\t\r\n");
}

TEST(AppendedColumn, EmptyDataStillGivesOneLine) {
    Files files;
    files.given("Header only\r\n", "");
    long long rows = 1;
    assembleAppendedColumn(files.work, rows, "D ");
    EXPECT_EQ(files.output(), "D Header only\r\n\t\r\n");
}

TEST(ConversionInput, ReplacesInputWithTheDescribedHeaderAndTheSameData) {
    Files files;
    files.given("Station A\r\nsecond\r\n2005\t1\t30\r\n2005\t2\t28\r\n", "1\r\n2\r\n");
    long long rows = 2;
    assembleConversionInput(files.work, rows,
                            "Solar radiation estimated from sun shine %  for "
                            "dry tropical regions. ");
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(files.input(), "Solar radiation estimated from sun shine %  for dry tropical "
                             "regions. Station A\r\nsecond\r\n2005\t1\t30\r\n2005\t2\t28\r\n");
    EXPECT_FALSE(std::filesystem::exists(files.folder / "Output.~"));
    EXPECT_EQ(readBytes(files.folder / "Out.~"), "1\r\n2\r\n");
}

TEST(ConversionInput, NoHeaderMakesTheDescriptionTheOnlyHeaderLine) {
    Files files;
    files.given("2005\t1\t30\r\n", "24.38\r\n");
    long long rows = 0;
    assembleConversionInput(files.work, rows,
                            "Reference ET estimated by FAO Penman-Monteith method.");
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(files.input(),
              "Reference ET estimated by FAO Penman-Monteith method.\r\n2005\t1\t30\r\n");
}
