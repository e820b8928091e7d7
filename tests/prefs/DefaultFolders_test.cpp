#include "base/TextFile.h"
#include "input/InputFile.h"
#include "prefs/DefaultFolders.h"
#include "prefs/StartUp.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedFileDialogs.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::readBytes;
using climora::testing::ScopedDataHome;
using climora::testing::TempFolder;
using climora::testing::writeBytes;
using Events = std::vector<std::string>;

namespace {

// A started program: its own data home and an installation without files.
struct StartedProgram {
    ScopedDataHome home;
    TempFolder install;
    RecordingMessenger messenger;
    FrameState frame = startUp(install.path(), messenger).frame;
    const WorkFolder& work() const { return *frame.workFolder; }
    std::filesystem::path optionFile() const { return home.workFolder() / "Option.clx"; }
};

} // namespace

TEST(DefaultFolderTexts, FirstTwoLinesOfTheOptionFileElseTheWorkFolder) {
    StartedProgram program;
    FolderTexts texts = defaultFolderTexts(program.work());
    EXPECT_EQ(texts.inputFolder, program.work().pathText());
    EXPECT_EQ(texts.outputFolder, program.work().pathText());
    writeBytes(program.optionFile(), "/data/in\r\n/data/out\r\n1\r\n0\r\n0\r\n1\r\n-99\t0.01\r\n");
    texts = defaultFolderTexts(program.work());
    EXPECT_EQ(texts.inputFolder, "/data/in");
    EXPECT_EQ(texts.outputFolder, "/data/out");
}

TEST(SaveDefaultFolders, OkWritesTwoLinesUntilTheExitWritesSeven) {
    StartedProgram program;
    FrameState& frame = program.frame;
    writeBytes(program.optionFile(), "/old/in\r\n/old/out\r\n1\r\n1\r\n0\r\n1\r\n-99\t0.01\r\n");
    ASSERT_TRUE(saveDefaultFolders(program.work(), {"/new/in", "no such folder"},
                                   frame.defaultInputFolder, frame.defaultOutputFolder,
                                   program.messenger));
    EXPECT_EQ(readBytes(program.optionFile()), "/new/in\r\nno such folder\r\n");
    EXPECT_EQ(frame.defaultInputFolder, "/new/in");
    EXPECT_EQ(frame.defaultOutputFolder, "no such folder");

    Options current;
    current.elasticWindow = true;
    current.missingSign = "-999";
    shutDown(frame, current);
    EXPECT_EQ(readBytes(program.optionFile()),
              "/new/in\r\nno such folder\r\n1\r\n0\r\n0\r\n1\r\n-999\t0.01\r\n");
    EXPECT_TRUE(program.messenger.events().empty());
}

TEST(SaveDefaultFolders, UnwritableOptionFileIsReportedAndChangesNothing) {
    StartedProgram program;
    std::filesystem::create_directory(program.optionFile()); // cannot be opened as a file
    std::string input = "/kept/in", output = "/kept/out";
    EXPECT_FALSE(
        saveDefaultFolders(program.work(), {"/a", "/b"}, input, output, program.messenger));
    EXPECT_EQ(input, "/kept/in");
    EXPECT_EQ(output, "/kept/out");
    const Events& events = program.messenger.events();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], "tone: error");
    EXPECT_NE(events[1].find("Option.clx"), std::string::npos);
}

// Opening an input file moves the folder in memory only: the next open
// dialog starts there, the option file keeps the stored folder.
TEST(DefaultFolders, OpeningAFileMovesOnlyTheInMemoryInputFolder) {
    StartedProgram program;
    FrameState& frame = program.frame;
    ASSERT_TRUE(saveDefaultFolders(program.work(), {"/stored/in", "/stored/out"},
                                   frame.defaultInputFolder, frame.defaultOutputFolder,
                                   program.messenger));
    TempFolder elsewhere;
    writeBytes(elsewhere / "station.txt", "1 2\r\n");
    ScriptedFileDialogs dialogs;
    dialogs.nextOpen = FileChoice{(elsewhere / "station.txt").string()};
    ASSERT_TRUE(openInputFile(dialogs, program.messenger, frame.defaultInputFolder));
    EXPECT_EQ(dialogs.lastRequest->startFolder, "/stored/in");

    EXPECT_EQ(frame.defaultInputFolder, folderText(elsewhere.path()));
    EXPECT_EQ(frame.defaultOutputFolder, "/stored/out");
    EXPECT_EQ(readBytes(program.optionFile()), "/stored/in\r\n/stored/out\r\n");

    shutDown(frame, Options{});
    FrameState restarted = startUp(program.install.path(), program.messenger).frame;
    EXPECT_EQ(restarted.defaultInputFolder, "/stored/in");
}
