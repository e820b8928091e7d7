#include "prefs/ProgramSettings.h"

#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::readBytes;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

TEST(ProgramSettings, MissingFileAndKeysGiveDefaults) {
    TempFolder folder;
    ProgramSettings settings{WorkFolder(folder.path())};
    EXPECT_EQ(settings.number("chart.width", 900), 900);
    EXPECT_EQ(settings.text("chart.name", "none"), "none");
}

TEST(ProgramSettings, KeepsOtherKeysAndWritesKeyValueLines) {
    TempFolder folder;
    writeBytes(folder / "climora.INI", "other=a=b\r\nno equals sign\r\nchart.width=12x\r\n");
    ProgramSettings settings{WorkFolder(folder.path())};
    EXPECT_EQ(settings.text("other"), "a=b");
    EXPECT_EQ(settings.number("chart.width", 7), 7) << "not a whole number";
    settings.set("chart.width", 1100);
    settings.save();
    EXPECT_EQ(readBytes(folder / "climora.INI"), "chart.width=1100\r\nother=a=b\r\n");
    EXPECT_EQ(ProgramSettings{WorkFolder(folder.path())}.number("chart.width", 0), 1100);
}
