#include "pipeline/OutputPanel.h"
#include "pipeline/SiteCoordinate.h"
#include "testing/RecordingMessenger.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
using Events = std::vector<std::string>;

TEST(SiteCoordinate, SouthAndEastAreNegative) {
    RecordingMessenger messenger;
    auto values = readSiteEntry({"35", true, "120.5", true, "12"}, '.', messenger);
    ASSERT_TRUE(values);
    EXPECT_EQ(siteLine(*values), "-35 -120.5 12  Lat (deg), long (deg), elev(m)");
    values = readSiteEntry({" 39.4575", false, "118.7739 ", false, "1208.5"}, '.', messenger);
    ASSERT_TRUE(values);
    EXPECT_EQ(siteLine(*values), "39.4575 118.7739 1208.5  Lat (deg), long (deg), elev(m)");
    EXPECT_TRUE(messenger.events().empty());
}

TEST(SiteCoordinate, ReadsTheLocaleSeparatorAndThePoint) {
    RecordingMessenger messenger;
    auto values = readSiteEntry({"40,8", false, "96.7", false, "350,25"}, ',', messenger);
    ASSERT_TRUE(values);
    EXPECT_EQ(siteLine(*values), "40.8 96.7 350.25  Lat (deg), long (deg), elev(m)");
    EXPECT_FALSE(readTypedNumber("40,8", '.'));
}

TEST(SiteCoordinate, RefusesTextsAndLatitudesBeyond66) {
    RecordingMessenger messenger;
    EXPECT_FALSE(readSiteEntry({"abc", false, "1", false, "1"}, '.', messenger));
    EXPECT_FALSE(readSiteEntry({"40", false, "1", false, ""}, '.', messenger));
    EXPECT_FALSE(readSiteEntry({"66.5", false, "1", false, "1"}, '.', messenger));
    EXPECT_FALSE(readSiteEntry({"66.5", true, "1", false, "1"}, '.', messenger));
    EXPECT_TRUE(readSiteEntry({"66", true, "1", false, "1"}, '.', messenger));
    EXPECT_TRUE(readSiteEntry({"66", false, "1", false, "1"}, '.', messenger));
    EXPECT_EQ(messenger.events(),
              (Events{"tone: error", "error: Invalid input", "tone: error", "error: Invalid input",
                      "tone: error", "error: Latitude value must be smaller than 66", "tone: error",
                      "error: Latitude value must be smaller than 66"}));
}

TEST(SiteCoordinate, ValuesFromTheCommandLineFollowTheSameRules) {
    RecordingMessenger messenger;
    auto values = readSiteValues("-35,-120.5,12", messenger);
    ASSERT_TRUE(values);
    EXPECT_EQ(siteLine(*values), "-35 -120.5 12  Lat (deg), long (deg), elev(m)");
    EXPECT_TRUE(readSiteValues(" 66 , 1 ,1", messenger));
    EXPECT_FALSE(readSiteValues("40,1", messenger));
    EXPECT_FALSE(readSiteValues("40,1,2,3", messenger));
    EXPECT_FALSE(readSiteValues("40,1,x", messenger));
    EXPECT_FALSE(readSiteValues("40;5,1,2", messenger));
    EXPECT_FALSE(readSiteValues("-66.01,1,2", messenger));
    EXPECT_EQ(messenger.events(),
              (Events{"tone: error", "error: Invalid input", "tone: error", "error: Invalid input",
                      "tone: error", "error: Invalid input", "tone: error", "error: Invalid input",
                      "tone: error", "error: Latitude value must be smaller than 66"}));
}

TEST(StreamedPanel, StreamsTheFileWithTheEditsOfARun) {
    climora::testing::TempFolder dir;
    climora::testing::writeBytes(dir / "Output.~", "T\r\nh2\r\nh3\r\nnames\r\nunits\r\n1\r\n");
    StreamedPanel panel;
    panel.loadFile(dir / "Output.~");
    panel.removeLines(1, 2);
    panel.insertLine(1, "site");
    EXPECT_EQ(panel.lines(), (Events{"T", "site", "names", "units", "1"}));
    panel.removeLines(1, 2); // the inserted line goes first
    EXPECT_EQ(panel.lines(), (Events{"T", "units", "1"}));
    panel.clear();
    EXPECT_TRUE(panel.lines().empty());

    std::vector<std::string> lines{"T", "h2", "h3", "names"};
    removeLines(lines, 1, 2);
    insertLine(lines, 1, "site");
    EXPECT_EQ(lines, (Events{"T", "site", "names"}));
    removeLines(lines, 1, 10);
    insertLine(lines, 5, "end");
    EXPECT_EQ(lines, (Events{"T", "end"}));
}
