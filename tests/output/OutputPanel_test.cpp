#include "base/TextFile.h"
#include "output/LoadBack.h"
#include "output/SaveOutput.h"
#include "output/SpreadsheetHandOff.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedDesktopOpener.h"
#include "testing/ScriptedFileDialogs.h"
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

TEST(SaveSuggestion, CutsBeforeTheFirstDotAndDropsTheFolder) {
    EXPECT_EQ(suggestedOutputName("site2005.txt"), "site2005");
    EXPECT_EQ(suggestedOutputName("/x/y.z/a.b.txt"), "a");
    EXPECT_EQ(suggestedOutputName("noextension"), "");
    EXPECT_EQ(suggestedOutputName(std::string(temporary::output)), "Output");
}

// A name without extension takes the selected filter's; any other is kept.
TEST_F(SaveFixture, WritesThePanelUnderTheNameRules) {
    struct Case {
        std::vector<std::string> lines;
        std::string entered;
        int filterIndex;
        std::string written, bytes;
    };
    const std::vector<Case> cases = {
        {{"Title", "2005\t1"}, "site2005", 1, "site2005.wth", "Title\r\n2005\t1\r\n"},
        {{"x"}, "notes", 2, "notes.txt", "x\r\n"},
        {{"a"}, "result.dat", 1, "result.dat", "a\r\n"},
        {{"b"}, "other.dat", 2, "other.dat", "b\r\n"},
        {{}, "empty.txt", 1, "empty.txt", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entered);
        EXPECT_EQ(save(c.lines, "/home/u/site2005.txt", c.entered, c.filterIndex), dir / c.written);
        EXPECT_EQ(readBytes(dir / c.written), c.bytes);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 5);
    EXPECT_TRUE(messenger.events().empty());
    ASSERT_TRUE(dialogs.lastRequest);
    EXPECT_EQ(dialogs.lastRequest->filter,
              "Agrovia weather files (.wth)|*.wth|Text files(*.txt)|*.txt");
    EXPECT_EQ(dialogs.lastRequest->filterIndex, 1);
    EXPECT_EQ(dialogs.lastRequest->startFolder, "/data/in/");
    EXPECT_EQ(dialogs.lastRequest->suggestedName, "site2005");
    EXPECT_TRUE(dialogs.lastRequest->confirmOverwrite);
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
