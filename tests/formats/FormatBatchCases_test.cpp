// The crop-model layouts through climora-batch: the case folders under cases/
// (see testing/BatchRunner.h).

#include "testing/BatchRunner.h"

#include <gtest/gtest.h>

class FormatBatchCase : public ::testing::TestWithParam<std::filesystem::path> {};

TEST_P(FormatBatchCase, GivesItsExpectedOutputMessagesAndStatus) {
    climora::testing::expectCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatBatchCase,
                         ::testing::ValuesIn(climora::testing::caseFolders(
                             std::filesystem::path(CLIMORA_TESTS_DIR) / "formats" / "cases")),
                         climora::testing::caseTestName);
