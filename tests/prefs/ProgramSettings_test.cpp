#include "prefs/ProgramSettings.h"

#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
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
