#include "base/TextFile.h"
#include "prefs/StartUp.h"
#include "testing/RecordingMessenger.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::readBytes;
using climora::testing::ScopedDataHome;
using climora::testing::TempFolder;
using climora::testing::writeBytes;
namespace fs = std::filesystem;

namespace {

void shipAllSettingsFiles(const fs::path& install) {
    for (std::string_view name : settingsFileNames())
        writeBytes(install / name, "shipped " + std::string(name) + "\r\n");
}

} // namespace

TEST(StartUp, FirstStartCreatesWorkFolderAndCopiesSettings) {
    ScopedDataHome home;
    TempFolder install;
    shipAllSettingsFiles(install.path());
    fs::remove(install / "Option.clx");
    RecordingMessenger messenger;
    StartedFrame started = startUp(install.path(), messenger);
    FrameState& frame = started.frame;
    EXPECT_TRUE(messenger.events().empty());
    EXPECT_EQ(frame.workFolder->path(), home.workFolder());
    EXPECT_TRUE(fs::exists(home.workFolder() / "TemplateSettings.clx"));
    EXPECT_TRUE(fs::exists(home.workFolder() / "Gear.gif"));
    EXPECT_FALSE(fs::exists(home.workFolder() / "Option.clx"));
    // Without an option file both folders are the work folder and the form
    // defaults stay.
    EXPECT_EQ(frame.defaultInputFolder, home.workFolder().string() + "/");
    EXPECT_EQ(frame.defaultOutputFolder, frame.defaultInputFolder);
    EXPECT_TRUE(started.options.substitutionEnabled);
    EXPECT_EQ(started.options.missingSign, "-99");
    EXPECT_EQ(started.options.substitution, "0.01");
    EXPECT_FALSE(started.options.enableSpacer);
}

TEST(StartUp, FirstStartCreatesAMissingDataFolder) {
    ScopedDataHome home; // restores XDG_DATA_HOME afterwards
    fs::path freshData = home.path() / "new-account" / "share";
    setenv("XDG_DATA_HOME", freshData.c_str(), 1);
    TempFolder install;
    shipAllSettingsFiles(install.path());
    RecordingMessenger messenger;
    FrameState frame = startUp(install.path(), messenger).frame;
    EXPECT_EQ(frame.workFolder->path(), freshData / "Climora2016_1");
    EXPECT_TRUE(fs::exists(freshData / "Climora2016_1" / "TemplateList.clx"));
}

TEST(StartUp, NeverOverwritesAndRecopiesDeletedFiles) {
    ScopedDataHome home;
    TempFolder install;
    shipAllSettingsFiles(install.path());
    fs::create_directory(home.workFolder());
    writeBytes(home.workFolder() / "HOTLINKS.CLX", "mine\r\n"); // same file, other case
    writeBytes(home.workFolder() / "Input.~", "left over");
    writeBytes(home.workFolder() / "~3.xls", "left over");
    writeBytes(home.workFolder() / "keep.txt", "user file");
    RecordingMessenger messenger;
    startUp(install.path(), messenger);
    EXPECT_EQ(readBytes(home.workFolder() / "HOTLINKS.CLX"), "mine\r\n");
    EXPECT_FALSE(fs::exists(home.workFolder() / "Hotlinks.clx") &&
                 readBytes(home.workFolder() / "Hotlinks.clx") != "mine\r\n");
    EXPECT_FALSE(fs::exists(home.workFolder() / "Input.~"));
    EXPECT_FALSE(fs::exists(home.workFolder() / "~3.xls"));
    EXPECT_TRUE(fs::exists(home.workFolder() / "keep.txt"));
    EXPECT_TRUE(fs::exists(home.workFolder() / "FavoriteURLs.clx"));
}

TEST(OptionFile, RestoresAllSevenLines) {
    TempFolder folder;
    writeBytes(folder / "Option.clx", "/in\r\n/out\r\n1\r\n0\r\n2\r\n0\r\n-999\t0.5\r\n");
    OptionReadResult read = readOptionFile(folder / "Option.clx", Options{});
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.options.inputFolder, "/in");
    EXPECT_EQ(read.options.outputFolder, "/out");
    EXPECT_TRUE(read.options.elasticWindow);
    EXPECT_FALSE(read.options.horizontalScrollBar);
    EXPECT_TRUE(read.options.enableSpacer); // any value other than 0
    EXPECT_FALSE(read.options.substitutionEnabled);
    EXPECT_EQ(read.options.missingSign, "-999");
    EXPECT_EQ(read.options.substitution, "0.5");
}

TEST(OptionFile, TwoLineFileReadsMissingLinesAsZeroOrEmpty) {
    TempFolder folder;
    writeBytes(folder / "Option.clx", "/in\r\n/out\r\n");
    OptionReadResult read = readOptionFile(folder / "Option.clx", Options{});
    EXPECT_EQ(read.error, "");
    EXPECT_FALSE(read.options.substitutionEnabled);
    EXPECT_EQ(read.options.missingSign, "0");
    EXPECT_EQ(read.options.substitution, "");
}

TEST(OptionFile, SignLineWithoutIntegerStopsReadingAndKeepsDefaults) {
    ScopedDataHome home;
    TempFolder install;
    fs::create_directory(home.workFolder());
    // An empty sign box was saved: the line begins with a TAB.
    writeBytes(home.workFolder() / "Option.clx", "/in\r\n/out\r\n0\r\n1\r\n1\r\n1\r\n\t0.01\r\n");
    RecordingMessenger messenger;
    StartedFrame started = startUp(install.path(), messenger);
    FrameState& frame = started.frame;
    EXPECT_EQ(messenger.events(),
              (std::vector<std::string>{
                  "tone: error", "error: Invalid numeric input in \"Option.clx\", line 7."}));
    EXPECT_FALSE(started.optionsRestored);
    EXPECT_TRUE(started.options.horizontalScrollBar);
    EXPECT_TRUE(started.options.enableSpacer);
    EXPECT_EQ(started.options.missingSign, "-99");
    EXPECT_EQ(started.options.substitution, "0.01");
    EXPECT_EQ(frame.defaultInputFolder, "/in");
}

TEST(ShutDown, WritesSevenLinesWithTheStoredFolders) {
    ScopedDataHome home;
    TempFolder install;
    RecordingMessenger messenger;
    FrameState frame = startUp(install.path(), messenger).frame;
    writeOptionFolders(frame.workFolder->file("Option.clx"), "/a", "/b"); // the preferences dialog
    EXPECT_EQ(readBytes(home.workFolder() / "Option.clx"), "/a\r\n/b\r\n");
    frame.defaultInputFolder = "/moved/by/open/"; // not kept
    Options current;
    current.enableSpacer = true;
    current.missingSign = "";
    shutDown(frame, current);
    EXPECT_EQ(readBytes(home.workFolder() / "Option.clx"),
              "/a\r\n/b\r\n0\r\n0\r\n1\r\n1\r\n\t0.01\r\n");
}

TEST(ShutDown, WithoutOptionFileWritesTheWorkFolderTwice) {
    ScopedDataHome home;
    TempFolder install;
    RecordingMessenger messenger;
    FrameState frame = startUp(install.path(), messenger).frame;
    writeBytes(home.workFolder() / "Output.~", "x");
    shutDown(frame, Options{});
    std::string folder = home.workFolder().string() + "/";
    EXPECT_EQ(readBytes(home.workFolder() / "Option.clx"),
              folder + "\r\n" + folder + "\r\n0\r\n0\r\n0\r\n1\r\n-99\t0.01\r\n");
    EXPECT_FALSE(fs::exists(home.workFolder() / "Output.~"));
}

TEST(InstallFolder, PrefersSharedDataBesideTheProgram) {
    TempFolder root;
    fs::create_directories(root / "bin");
    fs::create_directories(root / "share" / "climora");
    EXPECT_EQ(findInstallFolder(root / "bin", "/elsewhere"),
              fs::weakly_canonical(root / "share" / "climora"));
    fs::create_directories(root / "lone" / "bin");
    EXPECT_EQ(findInstallFolder(root / "lone" / "bin", "/elsewhere"), fs::path("/elsewhere"));
}
