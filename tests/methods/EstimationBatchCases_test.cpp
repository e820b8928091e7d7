// The estimating tasks through climora-batch: the case folders under cases/
// (see testing/BatchRunner.h).

#include "testing/BatchRunner.h"

#include <gtest/gtest.h>

using climora::testing::BatchRun;

TEST(EstimationBatchCases, EveryCaseGivesItsExpectedOutputMessagesAndStatus) {
    // No estimate may reach a file as "nan" or "inf".
    climora::testing::expectEveryCase(
        std::filesystem::path(CLIMORA_TESTS_DIR) / "methods" / "cases", [](const BatchRun& run) {
            for (const char* word : {"nan", "inf", "NaN", "INF"})
                EXPECT_EQ(run.output.find(word), std::string::npos) << word;
        });
}
