#include "pipeline/RowExtraction.h"
#include "testing/RecordingMessenger.h"

#include <gtest/gtest.h>

using namespace climora;

TEST(SignBox, OnlyIntegersPassSilently) {
    RecordingMessenger messenger;
    for (const char* text : {"-99", "0", "", "-", "-9999"})
        testInputTypeOne(text, messenger);
    EXPECT_TRUE(messenger.events().empty());
    testInputTypeOne("-99.5", messenger);
    testInputTypeOne("M", messenger);
    const std::string note = "plain: Only an integer type value is allowed! Correct the setting.";
    EXPECT_EQ(messenger.events(),
              (std::vector<std::string>{"tone: error", note, "tone: error", note}));
}
