#include "ExplorerTesting.h"

#include "help/HelpTopics.h"
#include "help/ui/HelpWindow.h"

#include <QAction>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

#include <sys/stat.h>

using namespace climora;
using namespace climora::testing;
using Events = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

// Waits for the explorer to close itself.
bool closes(QPointer<ExplorerWindow>& explorer) {
    return waitUntil([&] { return explorer.isNull(); });
}

bool fileAppears(const fs::path& file) {
    return waitUntil([&] { return fs::exists(file); });
}

} // namespace

TEST_F(ExplorerTest, CaptureOfATitledPageFillsTheMainWindowAndCloses) {
    setHomePage(writePage("daily.html", "Daily data", "<p>1990 1 25.5</p><p>1990 2 26.0</p>"));
    openExplorer();
    action(explorer, "captureButtonAction")->trigger();
    // Nothing else may start a capture until this one ends.
    EXPECT_FALSE(action(explorer, "captureButtonAction")->isEnabled());
    EXPECT_FALSE(action(explorer, "captureMenuAction")->isEnabled());
    ASSERT_TRUE(closes(explorer));
    EXPECT_EQ(host->calls,
              (Events{"explorer open", "input text: 1990 1 25.5\n\n1990 2 26.0",
                      "input name: Daily data", "apply selected template", "explorer closed"}));
    EXPECT_EQ(host->recorder.events(), (Events{"tone: exclamation"}));
}

TEST_F(ExplorerTest, CaptureOfAnUntitledPageIsNamedAfterTheAddressBox) {
    QString page = writePage("station.html", "", "data");
    setHomePage(page);
    openExplorer();
    EXPECT_EQ(explorer->documentTitle(), "");
    action(explorer, "captureMenuAction")->trigger();
    ASSERT_TRUE(closes(explorer));
    EXPECT_EQ(host->calls,
              (Events{"explorer open", "input text: data", "input name: " + page.toStdString(),
                      "apply selected template", "explorer closed"}));
}

TEST_F(ExplorerTest, CaptureFromAnHprccAddressSelectsTheFirstTemplate) {
    setHomePage(writePage("www.HPRCC-daily.html", "Station", "x"));
    openExplorer();
    action(explorer, "captureMenuAction")->trigger();
    ASSERT_TRUE(closes(explorer));
    EXPECT_EQ(host->calls,
              (Events{"explorer open", "input text: x", "input name: Station",
                      "select first template", "apply selected template", "explorer closed"}));
}

TEST_F(ExplorerTest, SaveAsTextWritesThePageTextUnderATxtNameOrReportsTheFailure) {
    setHomePage(writePage("home.html", "Home", "<p>line one</p><p>line two</p>"));
    openExplorer();
    host->dialogs.nextSave = FileChoice{(pages / "saved").string(), 1};
    action(explorer, "saveTextAction")->trigger();
    ASSERT_TRUE(host->dialogs.lastRequest);
    EXPECT_EQ(host->dialogs.lastRequest->startFolder, host->inputFolder);
    EXPECT_EQ(host->dialogs.lastRequest->filter, "Text file (*.txt)|*.txt");
    ASSERT_TRUE(fileAppears(pages / "saved.txt"));
    EXPECT_EQ(readBytes(pages / "saved.txt"), "line one\r\n\r\nline two\r\n");

    // Capitals are not the extension: ".txt" follows them. An existing file
    // is replaced.
    writeBytes(pages / "OLD.TXT.txt", "old");
    host->dialogs.nextSave = FileChoice{(pages / "OLD.TXT").string(), 1};
    action(explorer, "saveTextAction")->trigger();
    waitUntil([&] { return readBytes(pages / "OLD.TXT.txt") != "old"; });
    EXPECT_EQ(readBytes(pages / "OLD.TXT.txt"), "line one\r\n\r\nline two\r\n");
    EXPECT_FALSE(fs::exists(pages / "OLD.TXT"));

    // A cancelled dialog does nothing (the two events below are the missing
    // folder's alone); a missing folder is reported.
    action(explorer, "saveTextAction")->trigger();
    EXPECT_TRUE(host->recorder.events().empty());
    host->dialogs.nextSave = FileChoice{(pages / "no such folder" / "page.txt").string(), 1};
    action(explorer, "saveTextAction")->trigger();
    waitUntil([&] { return !host->recorder.events().empty(); });
    ASSERT_EQ(host->recorder.events().size(), 2u);
    EXPECT_EQ(host->recorder.events()[0], "tone: error");
    EXPECT_TRUE(host->recorder.events()[1].starts_with("error: ")) << host->recorder.events()[1];
}

TEST_F(ExplorerTest, SaveCompleteWebpageWritesASingleFileArchive) {
    setHomePage(writePage("home.html", "Archive me", "<p>archived text</p>"));
    openExplorer();
    writeBytes(pages / "page.mht", "old contents");
    host->dialogs.nextSave = FileChoice{(pages / "page").string(), 1};
    QSignalSpy saved(explorer.data(), &ExplorerWindow::webArchiveSaved);
    action(explorer, "saveWebArchiveAction")->trigger();
    EXPECT_EQ(host->dialogs.lastRequest->filter, "Single file (*.mht)|*.mht");
    EXPECT_EQ(host->dialogs.lastRequest->startFolder, host->inputFolder);
    ASSERT_TRUE(saved.wait(15000));
    EXPECT_TRUE(saved.first().at(0).toBool());
    std::string archive = readBytes(pages / "page.mht");
    EXPECT_NE(archive.find("MIME-Version: 1.0"), std::string::npos);
    EXPECT_NE(archive.find("multipart/related"), std::string::npos);
    EXPECT_NE(archive.find("archived text"), std::string::npos);
    EXPECT_EQ(archive.find("old contents"), std::string::npos);

    host->dialogs.nextSave = FileChoice{(pages / "copy.MHT").string(), 1};
    action(explorer, "saveWebArchiveAction")->trigger();
    ASSERT_TRUE(saved.wait(15000));
    EXPECT_TRUE(fs::exists(pages / "copy.MHT.mht"));
    EXPECT_TRUE(host->recorder.events().empty());
}

TEST_F(ExplorerTest, SaveCompleteWebpageGivesTheUsualPermissionsOrReportsTheFailure) {
    openExplorer();
    QSignalSpy saved(explorer.data(), &ExplorerWindow::webArchiveSaved);
    mode_t mask = ::umask(022);
    host->dialogs.nextSave = FileChoice{(pages / "page.mht").string(), 1};
    action(explorer, "saveWebArchiveAction")->trigger();
    ASSERT_TRUE(saved.wait(15000));
    EXPECT_EQ(fs::status(pages / "page.mht").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);

    // Root writes into read-only folders: a folder that is a file stops it.
    writeBytes(pages / "plain", "x");
    struct Failure {
        fs::path target;
    };
    for (const Failure& failure :
         {Failure{pages / "plain" / "page.mht"}, Failure{pages / "missing" / "page.mht"}}) {
        host->recorder.clear();
        host->dialogs.nextSave = FileChoice{failure.target.string(), 1};
        action(explorer, "saveWebArchiveAction")->trigger();
        ASSERT_TRUE(saved.wait(15000)) << failure.target;
        EXPECT_FALSE(saved.last().at(0).toBool());
        const Events& events = host->recorder.events();
        ASSERT_EQ(events.size(), 2u) << failure.target;
        EXPECT_EQ(events[0], "tone: error");
        EXPECT_TRUE(events[1].starts_with("error: Cannot create file \"" + failure.target.string() +
                                          "\". "))
            << events[1];
        EXPECT_GT(events[1].size(), failure.target.string().size() + 30) << "no reason given";
    }
    ::umask(mask);
    // The window goes on working after the failures.
    ASSERT_TRUE(loads([&] { explorer->refresh(); }));
}

TEST_F(ExplorerTest, OpenShowsALocalPageFile) {
    QString other = writePage("other.htm", "Other", "y");
    openExplorer();
    host->dialogs.nextOpen = FileChoice{(pages / "other.htm").string(), 1};
    ASSERT_TRUE(loads([&] { action(explorer, "openAction")->trigger(); }));
    EXPECT_EQ(host->dialogs.lastRequest->filter,
              "Webpage files (*.mht; *.htm; *.html)|*.mht;*.htm;*.html|All files (*.*)|*.*");
    EXPECT_EQ(explorer->view()->url().toString(), other);
    EXPECT_EQ(explorer->addressText(), other);
}

TEST_F(ExplorerTest, HelpOpensTheContentsFromTheWorkFolder) {
    openExplorer();
    fs::current_path(pages.path());
    action(explorer, "helpAction")->trigger();
    ASSERT_NE(HelpWindow::current(), nullptr);
    EXPECT_EQ(HelpWindow::current()->topic(), help::contents);
    EXPECT_EQ(fs::current_path(), work.path());
    EXPECT_EQ(helpTopicFor(explorer->view()), help::explorerWindow);
    HelpWindow::current()->close();
    fs::current_path(fs::temp_directory_path());
}
