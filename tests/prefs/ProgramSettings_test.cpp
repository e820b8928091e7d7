#include "prefs/ProgramSettings.h"

#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
namespace fs = std::filesystem;
using climora::testing::readBytes;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

TEST(ProgramSettings, MissingFileOrKeyGivesTheDefaultAndUnknownKeysSurvive) {
    TempFolder folder;
    ProgramSettings settings;
    settings.load(folder / "Climora.ini");
    EXPECT_TRUE(settings.flag("PlausibilityNotes", true));
    EXPECT_FALSE(settings.flag("PlausibilityNotes", false));

    writeBytes(folder / "Climora.ini", "Other = kept\r\nnonsense\r\nPlausibilityNotes=yes\r\n");
    settings.load(folder / "Climora.ini");
    EXPECT_TRUE(settings.flag("PlausibilityNotes", true)); // not 0 or 1: the default
    settings.setFlag("PlausibilityNotes", false);
    settings.save(folder / "Climora.ini");
    EXPECT_EQ(readBytes(folder / "Climora.ini"), "Other=kept\r\nPlausibilityNotes=0\r\n");

    ProgramSettings again;
    again.load(folder / "Climora.ini");
    EXPECT_FALSE(again.flag("PlausibilityNotes", true));
    EXPECT_EQ(again.value("Other"), "kept");
    EXPECT_EQ(again.value("Absent"), "");
}

TEST(ProgramSettings, NumbersAreWholeOrTheDefaultAndAnUpdateKeepsKeysWrittenMeanwhile) {
    TempFolder folder;
    fs::path file = folder / "Climora.ini";
    ProgramSettings window;
    window.load(file);
    writeBytes(file, "chart.width=12x\r\nchart.height=720\r\n"); // written by another part
    ProgramSettings::update(file, [](ProgramSettings& kept) { kept.setFlag("Notes", false); });
    ProgramSettings read;
    read.load(file);
    EXPECT_EQ(read.number("chart.width", 7), 7) << "not a whole number";
    EXPECT_EQ(read.number("chart.height", 0), 720);
    EXPECT_EQ(read.number("absent", 3), 3);
    EXPECT_FALSE(read.flag("Notes", true));
}
