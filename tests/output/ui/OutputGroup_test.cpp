#include "output/ui/OutputGroup.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedDesktopOpener.h"
#include "testing/ScriptedFileDialogs.h"
#include "testing/TempFolder.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace climora;
using climora::testing::readBytes;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

namespace {

struct OutputGroupFixture : ::testing::Test {
    TempFolder dir;
    FrameState frame;
    RecordingMessenger messenger;
    ScriptedFileDialogs dialogs;
    ScriptedDesktopOpener opener{{true}};
    OutputGroup group{frame, messenger, dialogs, opener};

    OutputGroupFixture() {
        frame.workFolder = std::make_unique<WorkFolder>(dir.path());
        frame.defaultInputFolder = "/in/";
        frame.defaultOutputFolder = "/out/";
    }

    void click(const char* name) {
        auto* button = group.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
};

} // namespace

TEST_F(OutputGroupFixture, PanelIsAnEditableMonospaceTextWithoutWrap) {
    QPlainTextEdit* memo = group.findChild<QPlainTextEdit*>("Memo2");
    ASSERT_EQ(memo, group.panel());
    EXPECT_FALSE(memo->isReadOnly());
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(QFontInfo(memo->font()).fixedPitch());
    // The program's own wording, cut short as it has always been.
    EXPECT_EQ(group.findChild<QPushButton*>("Button2")->toolTip(),
              "Update an existing Agrovia weather");
}

TEST_F(OutputGroupFixture, SaveWritesThePanelUnderTheSuggestedRules) {
    group.setOutputLines({"Title", "2005\t1\t3.50"});
    group.setInputNameSource([] { return std::string("site2005.txt"); });
    dialogs.nextSave = FileChoice{(dir / "site2005").string(), 1};
    click("Button4");
    ASSERT_TRUE(dialogs.lastRequest);
    EXPECT_EQ(dialogs.lastRequest->suggestedName, "site2005");
    EXPECT_EQ(dialogs.lastRequest->startFolder, "/in/");
    EXPECT_EQ(readBytes(dir / "site2005.wth"), "Title\r\n2005\t1\t3.50\r\n");
    EXPECT_TRUE(messenger.events().empty());
}

TEST_F(OutputGroupFixture, FailedSaveIsReportedAndKeepsThePanel) {
    group.setOutputLines({"keep me"});
    dialogs.nextSave = FileChoice{(dir / "no/such/folder/x.txt").string(), 1};
    click("Button4");
    ASSERT_EQ(messenger.events().size(), 2u);
    EXPECT_EQ(messenger.events()[0], "tone: error");
    EXPECT_EQ(group.outputLines(), std::vector<std::string>{"keep me"});
}

TEST_F(OutputGroupFixture, LoadInExcelHandsACopyToTheDesktop) {
    group.setOutputLines({"a\tb"});
    click("Button6");
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0], dir / "~1.xls");
    EXPECT_EQ(readBytes(dir / "~1.xls"), "a\tb\r\n");
}

TEST_F(OutputGroupFixture, LoadBackSendsTheLinesAndEmptiesThePanel) {
    QSignalSpy spy(&group, &OutputGroup::loadBackRequested);
    group.setOutputLines({"Title", "2005\t1"});
    click("Button7");
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toString(), "Output.~");
    EXPECT_EQ(spy[0][1].toStringList(), (QStringList{"Title", "2005\t1"}));
    EXPECT_TRUE(group.panel()->toPlainText().isEmpty());
}

TEST_F(OutputGroupFixture, UpdateButtonAsksTheMainWindowAndTheUpdateUsesThePanel) {
    QSignalSpy spy(&group, &OutputGroup::updateRequested);
    click("Button2");
    EXPECT_EQ(spy.count(), 1);
    EXPECT_FALSE(dialogs.lastRequest); // the button alone runs nothing

    writeBytes(dir / "site.wth", "T\r\n40\r\nYear\tDOY\r\n\t\tMJ/m2\r\n2005\t1\t1.00\r\n");
    group.setOutputLines({"T", "Year\tDOY", "\t\tMJ/m2", "2005\t1\t1.00", "2005\t2\t2.00"});
    dialogs.nextOpen = FileChoice{(dir / "site.wth").string(), 1};
    EXPECT_EQ(group.updateWeatherFile(2), UpdateOutcome::Updated);
    EXPECT_EQ(readBytes(dir / "site.wth"),
              "T\r\n40\r\nYear\tDOY\r\n\t\tMJ/m2\r\n2005\t1\t1.00\r\n2005\t2\t2.00\r\n");
    EXPECT_EQ(frame.defaultOutputFolder, dir.path().string() + "/");
}

TEST_F(OutputGroupFixture, RunPanelLoadsAndEditsThePanel) {
    writeBytes(dir / "Output.~", "Title\r\nH2\r\nH3\r\nYear\tDOY\r\n");
    OutputPanel& run = group.runPanel();
    run.loadFile(dir / "Output.~");
    run.removeLines(1, 2);
    run.insertLine(1, "40.8  (Lat.)");
    EXPECT_EQ(group.outputLines(),
              (std::vector<std::string>{"Title", "40.8  (Lat.)", "Year\tDOY"}));
    run.clear();
    EXPECT_TRUE(group.outputLines().empty());
}

TEST_F(OutputGroupFixture, LinesSurviveTheWayThroughThePanel) {
    const std::vector<std::string> lines = {"a", "", "\t\tMJ/m2", "Gr\u00fcn", ""};
    group.setOutputLines(lines);
    EXPECT_EQ(group.outputLines(), lines);
    group.setOutputLines({});
    EXPECT_TRUE(group.panel()->toPlainText().isEmpty());
}

// A run's finishing edits change only the lines they touch (a million-line
// panel is not rebuilt) and leave the text a line-by-line rewrite would give:
// every line ended, a last empty line kept.
TEST_F(OutputGroupFixture, RunEditsChangeOnlyTheLinesTheyTouch) {
    struct Edit {
        const char* before;
        bool remove; // else insert "S"
        long long line, count;
        const char* after;
        int mostCharactersChanged; // a rebuild changes them all
    };
    const Edit edits[] = {
        {"T\nH2\nH3\nY\n", true, 1, 2, "T\nY\n", 6},
        {"T\nH2\n", true, 1, 10, "T\n", 3},
        {"T\nH2\nY", true, 1, 1, "T\nY\n", 6}, // typed: no final line end
        {"T\n", true, 1, 1, "T\n", 0},
        {"T\nY\n", false, 1, 0, "T\nS\nY\n", 2},
        {"", false, 1, 0, "S\n", 2},
        {"T\n", false, 5, 0, "T\nS\n", 2},
        {"T\n\n", false, 1, 0, "T\nS\n\n", 2},
        {"T\nY", false, 1, 0, "T\nS\nY\n", 5},
    };
    for (const Edit& edit : edits) {
        group.panel()->setPlainText(edit.before);
        int changed = 0;
        QMetaObject::Connection counting =
            QObject::connect(group.panel()->document(), &QTextDocument::contentsChange,
                             [&](int, int removed, int added) { changed += removed + added; });
        if (edit.remove)
            group.runPanel().removeLines(edit.line, edit.count);
        else
            group.runPanel().insertLine(edit.line, "S");
        QObject::disconnect(counting);
        EXPECT_EQ(group.panel()->toPlainText().toStdString(), edit.after) << edit.before;
        EXPECT_LE(changed, edit.mostCharactersChanged) << edit.before;
    }
}
