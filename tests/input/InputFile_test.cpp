#include "input/InputFile.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedFileDialogs.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::readBytes;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

TEST(OpenInput, CancelChangesNothing) {
    ScriptedFileDialogs dialogs;
    RecordingMessenger messenger;
    std::string folder = "/start/";
    EXPECT_FALSE(openInputFile(dialogs, messenger, folder));
    EXPECT_EQ(folder, "/start/");
    EXPECT_EQ(dialogs.lastRequest->title, " Select input file");
    EXPECT_EQ(dialogs.lastRequest->startFolder, "/start/");
}

TEST(OpenInput, ReadsTextAndMovesTheInputFolder) {
    TempFolder dir;
    writeBytes(dir / "station.txt", "Header\r\n1990 1 25.5\r\n");
    ScriptedFileDialogs dialogs;
    dialogs.nextOpen = FileChoice{(dir / "station.txt").string(), 1};
    RecordingMessenger messenger;
    std::string folder = "/start/";
    auto opened = openInputFile(dialogs, messenger, folder);
    ASSERT_TRUE(opened && opened->lines);
    EXPECT_EQ(opened->name, "station.txt");
    EXPECT_EQ(*opened->lines, (std::vector<std::string>{"Header", "1990 1 25.5"}));
    EXPECT_EQ(folder, dir.path().string() + "/");
    EXPECT_TRUE(messenger.events().empty());
}

TEST(OpenInput, BinaryFileIsReportedButNamedAndLeftUntouched) {
    TempFolder dir;
    std::string binary("\x7F"
                       "ELF\0\0\x01",
                       7);
    writeBytes(dir / "a.out", binary);
    ScriptedFileDialogs dialogs;
    dialogs.nextOpen = FileChoice{(dir / "a.out").string(), 2};
    RecordingMessenger messenger;
    std::string folder;
    auto opened = openInputFile(dialogs, messenger, folder);
    ASSERT_TRUE(opened);
    EXPECT_FALSE(opened->lines);
    EXPECT_EQ(opened->name, "a.out");
    EXPECT_EQ(messenger.events(),
              (std::vector<std::string>{
                  "tone: error", "error: The file can't be opened because it is not a text file"}));
    EXPECT_EQ(readBytes(dir / "a.out"), binary);
}

TEST(SaveInput, AddsTxtOnlyWhenTheNameHasNoExtension) {
    TempFolder dir;
    ScriptedFileDialogs dialogs;
    dialogs.nextSave = FileChoice{(dir / "data").string(), 2};
    ASSERT_TRUE(saveInputFile({"a", "b"}, dialogs, "/in/"));
    EXPECT_EQ(readBytes(dir / "data.txt"), "a\r\nb\r\n");
    EXPECT_TRUE(dialogs.lastRequest->confirmOverwrite);
    dialogs.nextSave = FileChoice{(dir / "data.csv").string(), 1};
    ASSERT_TRUE(saveInputFile({"c"}, dialogs, "/in/"));
    EXPECT_EQ(readBytes(dir / "data.csv"), "c\r\n");
}
