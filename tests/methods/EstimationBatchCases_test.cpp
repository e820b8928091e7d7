// The estimating tasks through climora-batch: the case folders under cases/
// (see testing/BatchRunner.h).

#include "testing/BatchRunner.h"

#include <gtest/gtest.h>

using climora::testing::BatchRun;

class EstimationBatchCase : public ::testing::TestWithParam<std::filesystem::path> {};

TEST_P(EstimationBatchCase, GivesItsExpectedOutputMessagesAndStatus) {
    // No estimate may reach a file as "nan" or "inf".
    climora::testing::expectCase(GetParam(), [](const BatchRun& run) {
        for (const char* word : {"nan", "inf", "NaN", "INF"})
            EXPECT_EQ(run.output.find(word), std::string::npos) << word;
    });
}

INSTANTIATE_TEST_SUITE_P(Methods, EstimationBatchCase,
                         ::testing::ValuesIn(climora::testing::caseFolders(
                             std::filesystem::path(CLIMORA_TESTS_DIR) / "methods" / "cases")),
                         climora::testing::caseTestName);
