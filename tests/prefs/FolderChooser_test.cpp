#include "prefs/FolderChooser.h"
#include "testing/RecordingMessenger.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::TempFolder;
using climora::testing::writeBytes;
namespace fs = std::filesystem;

TEST(ChooserStartFolder, BoxFolderWhenItExistsElseWorkFolder) {
    TempFolder work, other;
    WorkFolder folder(work.path());
    EXPECT_EQ(chooserStartFolder(other.path().string(), folder), other.path());
    EXPECT_EQ(chooserStartFolder((other / "missing").string(), folder), work.path());
    EXPECT_EQ(chooserStartFolder("", folder), work.path());
    writeBytes(other / "file.txt", "x");
    EXPECT_EQ(chooserStartFolder((other / "file.txt").string(), folder), work.path());
}

TEST(NewFolderPanelText, SelectedFolderWithOneSeparator) {
    EXPECT_EQ(newFolderPanelText("/home/ann"), "/home/ann/");
    EXPECT_EQ(newFolderPanelText("/"), "/");
}

TEST(MakeChosenFolder, CreatesOneLevelOrSelectsAnExistingFolder) {
    TempFolder root;
    RecordingMessenger messenger;
    EXPECT_EQ(makeChosenFolder(root.path().string() + "/", messenger),
              fs::path(root.path().string() + "/"));
    auto made = makeChosenFolder((root / "Weather").string(), messenger);
    ASSERT_TRUE(made);
    EXPECT_TRUE(fs::is_directory(root / "Weather"));
    EXPECT_TRUE(messenger.events().empty());
}

TEST(MakeChosenFolder, ReportsWhatCannotBeCreated) {
    TempFolder root;
    writeBytes(root / "notes.txt", "x");
    RecordingMessenger messenger;
    EXPECT_FALSE(makeChosenFolder((root / "a" / "b").string(), messenger)); // two levels
    EXPECT_FALSE(makeChosenFolder((root / "notes.txt").string(), messenger));
    EXPECT_FALSE(makeChosenFolder((root / "notes.txt" / "c").string(), messenger));
    EXPECT_FALSE(makeChosenFolder("", messenger));
    EXPECT_FALSE(fs::exists(root / "a"));
    const auto& events = messenger.events();
    ASSERT_EQ(events.size(), 8u);
    EXPECT_EQ(events[0], "tone: error");
    EXPECT_EQ(
        events[1].rfind("error: Cannot create folder \"" + (root / "a" / "b").string() + "\". ", 0),
        0u);
    EXPECT_EQ(events[3].rfind("error: Cannot create folder \"" + (root / "notes.txt").string(), 0),
              0u);
}

TEST(VolumeOfFolder, LongestRootThatIsAWholeLeadingPart) {
    std::vector<fs::path> roots = {"/", "/media/usb", "/home", "/media/usb2/"};
    EXPECT_EQ(volumeOfFolder("/media/usb/data", roots), 1u);
    EXPECT_EQ(volumeOfFolder("/media/usbstick", roots), 0u);
    EXPECT_EQ(volumeOfFolder("/media/usb2", roots), 3u);
    EXPECT_EQ(volumeOfFolder("/home/", roots), 2u);
    EXPECT_EQ(volumeOfFolder("/tmp", roots), 0u);
    EXPECT_FALSE(volumeOfFolder("/tmp", {"/media/usb"}));
}
