// climora-batch as a whole: the case folders under cases/ (see
// testing/BatchRunner.h), the output file and the help text.

#include "testing/BatchRunner.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using climora::testing::BatchRun;
using climora::testing::readBytes;
using climora::testing::runBatch;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

class BatchCase : public ::testing::TestWithParam<fs::path> {};

TEST_P(BatchCase, GivesItsExpectedOutputMessagesAndStatus) {
    climora::testing::expectCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Pipeline, BatchCase,
                         ::testing::ValuesIn(climora::testing::caseFolders(
                             fs::path(CLIMORA_TESTS_DIR) / "pipeline" / "cases")),
                         climora::testing::caseTestName);

TEST(BatchCases, WritesTheOutputFileOnlyWhenTheRunGivesAText) {
    TempFolder scratch;
    writeBytes(scratch / "in.txt", "H\r\n2005 1 5 3\r\n2005 2 6 2\r\n");
    fs::path out = scratch / "out.wth";
    BatchRun run = runBatch(
        scratch.path(),
        {"--rows", "1", "--columns", "Year,DOY,T-max:oC,T-min:oC", "-o", out.string(), "in.txt"},
        scratch.path());
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(readBytes(out), "H\r\nYear\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET\r\n"
                              "\t\tMJ/m2\toC\toC\t%\tmm\tmm\r\n"
                              "2005\t1\t0.00\t5.0\t3.0\t0\t0.0\t0.0\r\n"
                              "2005\t2\t0.00\t6.0\t2.0\t0\t0.0\t0.0\r\n");

    writeBytes(scratch / "bad.txt", "H\r\n2005 1 5 3\r\n2005 2 6 1.2.3\r\n");
    writeBytes(out, "earlier result");
    run = runBatch(
        scratch.path(),
        {"--rows", "1", "--columns", "Year,DOY,T-max:oC,T-min:oC", "-o", out.string(), "bad.txt"},
        scratch.path());
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.errors, "error: Invalid numeric input\n");
    EXPECT_EQ(readBytes(out), "earlier result");
    EXPECT_FALSE(fs::exists(scratch / "out.wth.partial~"));
}

TEST(BatchCases, HelpDocumentsTheInterface) {
    TempFolder scratch;
    BatchRun run = runBatch(scratch.path(), {"--help"}, scratch.path());
    EXPECT_EQ(run.exitStatus, 0);
    for (const char* part : {"--rows N", "--columns SPEC", "--no-convert", "--site LAT,LON,ELEV",
                             "--update FILE", "--yes", "-o FILE", "KIND: TEXT", "Exit status"})
        EXPECT_NE(run.output.find(part), std::string::npos) << part;
}
