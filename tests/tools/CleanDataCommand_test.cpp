#include "prefs/StartUp.h"
#include "tools/CleanDataCommand.h"
#include "tools/ToolFixture.h"

using namespace climora;
using climora::testing::readBytes;
using climora::testing::ScopedDataHome;
using climora::testing::TempFolder;
using climora::testing::ToolFixture;
using climora::testing::writeBytes;
using Events = std::vector<std::string>;

class CleanInputData : public ToolFixture {
  protected:
    ScriptedCleanDataExplanation explanation;
    std::vector<std::string> lines = {"Station, flags: M = missing", "2005 32 12.5M 3.1",
                                      "2005 33 1.5E3 25\xC2\xB0"};
};

TEST_F(CleanInputData, BlanksFlagsInDataRowsOnlyAndKeepsColumnsInPlace) {
    ASSERT_TRUE(cleanInputData({lines, "station", "1"}, context, explanation));
    EXPECT_EQ(*replaced, (std::vector<std::string>{"Station, flags: M = missing",
                                                   "2005 32 12.5  3.1", "2005 33 1.5 3 25 "}));
    EXPECT_EQ(events(), Events{"tone: exclamation"});
    EXPECT_EQ(explanation.shown, 1);
    EXPECT_FALSE(workFileExists("Input.~"));
    EXPECT_FALSE(workFileExists("Output.~"));
    EXPECT_EQ(gauge.steps, 2);
    EXPECT_FALSE(gauge.visible);
}

TEST_F(CleanInputData, ExplanationComesBeforeTheChecks) {
    EXPECT_FALSE(cleanInputData({lines, "", "1"}, context, explanation));
    EXPECT_FALSE(cleanInputData({lines, "station", ""}, context, explanation));
    EXPECT_FALSE(cleanInputData({lines, "station", "1.5"}, context, explanation));
    EXPECT_EQ(explanation.shown, 3);
    EXPECT_EQ(events(),
              (Events{"tone: error", "error: Open a file first.", "tone: error",
                      "error: The number of rows before start of data is not specified yet.",
                      "tone: error", "error: '1.5' is not a valid integer value."}));
    EXPECT_FALSE(replaced);
}

TEST_F(CleanInputData, UnwritableTemporaryLeavesThePanelAlone) {
    std::filesystem::create_directory(folder / "Output.~");
    EXPECT_FALSE(cleanInputData({lines, "station", "1"}, context, explanation));
    EXPECT_FALSE(replaced);
    ASSERT_EQ(events().size(), 2u);
    EXPECT_EQ(events()[0], "tone: error");
    EXPECT_NE(events()[1].find("Output.~"), std::string::npos);
    EXPECT_FALSE(gauge.visible);
}

TEST_F(CleanInputData, MarkerFollowsTheCheckBoxOnlyWhenClosedWithOk) {
    explanation.answer = std::nullopt; // closed without OK
    cleanDataMessage(work, explanation);
    EXPECT_FALSE(workFileExists("DSMA1.~"));

    explanation.answer = false;
    cleanDataMessage(work, explanation);
    EXPECT_EQ(readBytes(folder / "DSMA1.~"), "1\r\n");
    EXPECT_TRUE(cleanDataExplanationWanted(work));

    explanation.answer = true;
    cleanDataMessage(work, explanation);
    EXPECT_EQ(readBytes(folder / "DSMA1.~"), "0\r\n");
    EXPECT_FALSE(cleanDataExplanationWanted(work));

    explanation.answer = std::nullopt;
    cleanDataMessage(work, explanation);
    EXPECT_EQ(readBytes(folder / "DSMA1.~"), "0\r\n");
}

TEST_F(CleanInputData, UnreadableMarkerStillShowsTheExplanation) {
    writeBytes(folder / "DSMA1.~", "zero\r\n");
    EXPECT_TRUE(cleanDataExplanationWanted(work));
    writeBytes(folder / "DSMA1.~", "");
    EXPECT_TRUE(cleanDataExplanationWanted(work));
    writeBytes(folder / "DSMA1.~", " 0 \r\n");
    EXPECT_FALSE(cleanDataExplanationWanted(work));
}

// The choice lasts until the program ends: start-up clears the temporaries.
TEST(CleanDataMarker, LastsUntilTheProgramEnds) {
    ScopedDataHome home;
    TempFolder install;
    RecordingMessenger messenger;
    NullGauge gauge;
    ScriptedCleanDataExplanation explanation;
    std::vector<std::string> lines = {"1 2"};
    auto clean = [&](const WorkFolder& work) {
        ToolContext context{work, messenger, gauge, [](std::vector<std::string>&&) {}};
        return cleanInputData({lines, "x", "0"}, context, explanation);
    };

    StartedFrame first = startUp(install.path(), messenger);
    explanation.answer = true;
    ASSERT_TRUE(clean(*first.frame.workFolder));
    ASSERT_TRUE(clean(*first.frame.workFolder));
    EXPECT_EQ(explanation.shown, 1);

    shutDown(first.frame, first.options);
    FrameState second = startUp(install.path(), messenger).frame;
    ASSERT_TRUE(clean(*second.workFolder));
    EXPECT_EQ(explanation.shown, 2);
}
