#include "PipelineFixture.h"
#include "pipeline/DataRows.h"

#include <cstring>

using namespace climora;
using climora::testing::PipelineTest;

namespace {

// What a pass sees of a row.
std::string describe(const WeatherRecord& r) {
    std::string text = std::to_string(r.year);
    text += '/';
    text += std::to_string(r.dayOfYear);
    for (double v : r.measured) {
        text += ' ';
        text += std::to_string(v);
    }
    text += ' ';
    text += std::to_string(r.ignored);
    return text;
}

} // namespace

class Rows : public PipelineTest {
  protected:
    std::vector<std::string> pass(DataRows::Mode mode) {
        std::vector<std::string> seen;
        DataRows rows(context, mode);
        while (rows.next())
            seen.push_back(describe(record));
        return seen;
    }
};

TEST_F(Rows, AReplayGivesThePassTheRowsTheTextGives) {
    // YYDOY beyond two digits, a slot read twice, a line short of values
    // that takes the next line's, and a row of 0 that ends the data.
    columns({{YYDOY, ""}, {TMax, "oC"}, {Ignore, ""}, {TMax, "oC"}});
    input("Head\r\n150001 1.5 7 2.25\r\n5002 3\r\n4 5 6\r\n5003 1e2 0.1 -0\r\n0 1 1 1\r\n"
          "5004 1 1 1\r\n",
          1);
    std::vector<std::string> fromText = pass(DataRows::Mode::Read);
    ASSERT_EQ(fromText.size(), 3u);
    EXPECT_EQ(fromText.front().substr(0, 6), "2050/1");

    record.reset();
    EXPECT_EQ(pass(DataRows::Mode::Record), fromText);
    ASSERT_TRUE(context.recording && context.recording->finished());
    climora::testing::writeBytes(work.file("Input.~"), "Head\r\n"); // the replay does not read it
    record.reset();
    EXPECT_EQ(pass(DataRows::Mode::Replay), fromText);

    DataRows::discardRecording(context);
    EXPECT_TRUE(pass(DataRows::Mode::Replay).empty()); // back to the text
}

TEST_F(Rows, ARecordingCutShortIsNeverReplayed) {
    columns({{Year, ""}, {DOY, ""}});
    input("2005 1\r\n2005 2\r\n2005 -\r\n", 0);
    EXPECT_THROW(pass(DataRows::Mode::Record), InvalidNumericInput);
    EXPECT_FALSE(context.recording);
    {
        DataRows rows(context, DataRows::Mode::Record);
        EXPECT_TRUE(rows.next()); // a pass that stops early
    }
    EXPECT_FALSE(context.recording);
}

TEST(RowRecording, SpillsBeyondItsLimitAndReplaysEveryValueBitForBit) {
    climora::testing::TempFolder folder;
    const std::vector<double> row = {2005, -0.0, 0.001, -12.345, 1e300, 2147483.647, 0.1 + 0.2};
    auto spill = folder / "Rows.~";
    {
        RowRecording recording(row.size(), spill, 64); // 16 words: spills at once
        for (int i = 0; i < 100; ++i)
            recording.addRow(row.data());
        recording.endAtUnreadable();
        recording.finish();
        ASSERT_TRUE(recording.spilled() && std::filesystem::exists(spill));
        RowRecording::Replay replay(recording);
        std::vector<double> back(row.size());
        for (int i = 0; i < 100; ++i) {
            ASSERT_TRUE(replay.next(back.data()));
            ASSERT_EQ(std::memcmp(back.data(), row.data(), row.size() * sizeof(double)), 0) << i;
        }
        EXPECT_THROW(replay.next(back.data()), InvalidNumericInput); // where the reading stopped
    }
    EXPECT_FALSE(std::filesystem::exists(spill)); // the file goes with the recording
}
