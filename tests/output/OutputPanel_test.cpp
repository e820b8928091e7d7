#include "app/RecordingMessenger.h"
#include "app/TextFile.h"
#include "output/LoadBack.h"
#include "output/SaveOutput.h"
#include "output/SpreadsheetHandOff.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

using namespace climora;
using climora::testing::readBytes;
using climora::testing::TempFolder;
using climora::testing::writeBytes;
using Events = std::vector<std::string>;

namespace {

struct SaveFixture : ::testing::Test {
    TempFolder dir;
    ScriptedFileDialogs dialogs;
    RecordingMessenger messenger;

    std::optional<std::filesystem::path> save(const std::vector<std::string>& lines,
                                              const std::string& inputName, std::string entered,
                                              int filterIndex) {
        dialogs.nextSave = FileChoice{(dir / entered).string(), filterIndex};
        return saveOutput(lines, inputName, "/data/in/", dialogs, messenger);
    }
};

} // namespace

TEST_F(SaveFixture, DialogOffersWeatherAndTextFiltersAndSuggestsTheInputName) {
    save({}, "/home/u/site2005.txt", "x.txt", 1);
    ASSERT_TRUE(dialogs.lastRequest);
    EXPECT_EQ(dialogs.lastRequest->filter,
              "Agrovia weather files (.wth)|*.wth|Text files(*.txt)|*.txt");
    EXPECT_EQ(dialogs.lastRequest->filterIndex, 1);
    EXPECT_EQ(dialogs.lastRequest->startFolder, "/data/in/");
    EXPECT_EQ(dialogs.lastRequest->suggestedName, "site2005");
    EXPECT_TRUE(dialogs.lastRequest->confirmOverwrite);
}

TEST(SaveSuggestion, CutsBeforeTheFirstDotAndDropsTheFolder) {
    EXPECT_EQ(suggestedOutputName("site2005.txt"), "site2005");
    EXPECT_EQ(suggestedOutputName("/x/y.z/a.b.txt"), "a");
    EXPECT_EQ(suggestedOutputName("noextension"), "");
    EXPECT_EQ(suggestedOutputName(std::string(loadedBackInputName)), "Output");
}

TEST_F(SaveFixture, NameWithoutExtensionTakesTheSelectedFiltersExtension) {
    auto written = save({"Title", "2005\t1"}, "site2005.txt", "site2005", 1);
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, dir / "site2005.wth");
    EXPECT_EQ(readBytes(dir / "site2005.wth"), "Title\r\n2005\t1\r\n");

    written = save({"x"}, "site2005.txt", "notes", 2);
    ASSERT_TRUE(written);
    EXPECT_EQ(readBytes(dir / "notes.txt"), "x\r\n");
    EXPECT_TRUE(messenger.events().empty());
}

TEST_F(SaveFixture, NameWithExtensionIsKeptWhateverTheFilter) {
    ASSERT_TRUE(save({"a"}, "in.txt", "result.dat", 1));
    ASSERT_TRUE(save({"b"}, "in.txt", "other.dat", 2));
    EXPECT_EQ(readBytes(dir / "result.dat"), "a\r\n");
    EXPECT_EQ(readBytes(dir / "other.dat"), "b\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "result.dat.wth"));
}

TEST_F(SaveFixture, EmptyPanelSavesAnEmptyFile) {
    ASSERT_TRUE(save({}, "in.txt", "empty.txt", 1));
    EXPECT_EQ(readBytes(dir / "empty.txt"), "");
}

TEST_F(SaveFixture, CancelWritesNothing) {
    EXPECT_FALSE(saveOutput({"a"}, "in.txt", "/", dialogs, messenger));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(SaveFixture, AppendedExtensionNamingAnExistingFileAsksFirst) {
    writeBytes(dir / "site.wth", "keep\r\n");
    messenger.answerNext(false);
    EXPECT_FALSE(save({"new"}, "in.txt", "site", 1));
    EXPECT_EQ(readBytes(dir / "site.wth"), "keep\r\n");

    messenger.answerNext(true);
    EXPECT_TRUE(save({"new"}, "in.txt", "site", 1));
    EXPECT_EQ(readBytes(dir / "site.wth"), "new\r\n");
    std::string question =
        "confirm: " + (dir / "site.wth").string() + " already exists.\nDo you want to replace it?";
    EXPECT_EQ(messenger.events(), (Events{question + " -> No", question + " -> Yes"}));
}

TEST_F(SaveFixture, UnwritableTargetThrowsFileError) {
    EXPECT_THROW(save({"a"}, "in.txt", "missing/folder/out.txt", 1), FileError);
}

namespace {

struct HandOffFixture : ::testing::Test {
    TempFolder dir;
    WorkFolder work{dir.path()};
    RecordingMessenger messenger;
};

} // namespace

TEST_F(HandOffFixture, WritesTheFirstFreeCopyAndOpensIt) {
    writeBytes(dir / "~1.XLS", "held open\r\n");
    writeBytes(dir / "~3.xls", "");
    ScriptedDesktopOpener opener({true});
    EXPECT_EQ(loadInSpreadsheet({"a\tb", "1\t2"}, work, opener, messenger), HandOffResult::Opened);
    EXPECT_EQ(opener.opened, (std::vector<std::filesystem::path>{dir / "~2.xls"}));
    EXPECT_EQ(readBytes(dir / "~2.xls"), "a\tb\r\n1\t2\r\n");
    EXPECT_EQ(readBytes(dir / "~1.XLS"), "held open\r\n");
    EXPECT_TRUE(messenger.events().empty());
}

TEST_F(HandOffFixture, FallsBackToWb1ReplacingAnEarlierOne) {
    writeBytes(dir / "~.wb1", "earlier");
    ScriptedDesktopOpener opener({false, true});
    EXPECT_EQ(loadInSpreadsheet({"x"}, work, opener, messenger), HandOffResult::OpenedAsWb1);
    EXPECT_EQ(opener.opened, (std::vector<std::filesystem::path>{dir / "~1.xls", dir / "~.wb1"}));
    EXPECT_FALSE(std::filesystem::exists(dir / "~1.xls"));
    EXPECT_EQ(readBytes(dir / "~.wb1"), "x\r\n");
    EXPECT_TRUE(messenger.events().empty());
}

TEST_F(HandOffFixture, ReportsWhenNoProgramTakesEitherCopy) {
    ScriptedDesktopOpener opener({false, false});
    EXPECT_EQ(loadInSpreadsheet({"x"}, work, opener, messenger), HandOffResult::NoProgram);
    EXPECT_EQ(messenger.events(),
              (Events{"tone: error", "error: Sorry, neither Excel nor QuattroPro is available."}));
}

TEST(LoadBack, NamesTheInputOutputAndMovesTheLines) {
    LoadedBack loaded = loadBack({"Title", "2005\t1\t3.5"});
    EXPECT_EQ(loaded.inputName, "Output.~");
    EXPECT_EQ(loaded.inputLines, (std::vector<std::string>{"Title", "2005\t1\t3.5"}));
}
