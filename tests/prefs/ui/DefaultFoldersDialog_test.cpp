#include "prefs/ui/DefaultFoldersDialog.h"
#include "prefs/ui/FolderChooserDialog.h"
#include "prefs/ui/WhenModal.h"
#include "testing/RecordingMessenger.h"
#include "testing/TempFolder.h"
#include "testing/ui/NamedControls.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace climora;
using climora::testing::expectNamedControls;
using climora::testing::readBytes;
using climora::testing::TempFolder;
using climora::testing::whenModalOpens;
using climora::testing::writeBytes;
namespace fs = std::filesystem;

namespace {

QString qt(const fs::path& path) {
    return QString::fromStdString(path.string());
}

class DefaultFolders : public ::testing::Test {
  protected:
    template <class T> T* child(DefaultFoldersDialog& dialog, const char* name) {
        return dialog.findChild<T*>(name);
    }
    QLineEdit* inputBox(DefaultFoldersDialog& d) { return child<QLineEdit>(d, "inputFolderEdit"); }
    QLineEdit* outputBox(DefaultFoldersDialog& d) {
        return child<QLineEdit>(d, "outputFolderEdit");
    }
    void click(DefaultFoldersDialog& d, const char* name) { child<QPushButton>(d, name)->click(); }

    TempFolder folder;
    WorkFolder work{folder.path()};
    RecordingMessenger messenger;
    std::string inputFolder = "/memory/in";
    std::string outputFolder = "/memory/out";
};

} // namespace

TEST_F(DefaultFolders, OpensWithTheWorkFolderWithoutOptionFileAndNamedControls) {
    DefaultFoldersDialog dialog(work, inputFolder, outputFolder, messenger);
    EXPECT_EQ(dialog.windowTitle(), "Default input & output folders");
    EXPECT_EQ(inputBox(dialog)->text().toStdString(), work.pathText());
    EXPECT_EQ(outputBox(dialog)->text().toStdString(), work.pathText());
    EXPECT_GE(expectNamedControls(dialog), 6);
}

TEST_F(DefaultFolders, OkWritesTheTwoLinesAsTypedAndSetsTheFoldersInMemory) {
    writeBytes(folder / "Option.clx", "/a\r\n/b\r\n1\r\n1\r\n1\r\n1\r\n-99\t0.01\r\n");
    DefaultFoldersDialog dialog(work, inputFolder, outputFolder, messenger);
    EXPECT_EQ(inputBox(dialog)->text(), "/a");
    EXPECT_EQ(outputBox(dialog)->text(), "/b");
    dialog.show();
    inputBox(dialog)->setText("/data/in");
    outputBox(dialog)->setText("not checked");
    click(dialog, "okButton");
    EXPECT_EQ(readBytes(folder / "Option.clx"), "/data/in\r\nnot checked\r\n");
    EXPECT_EQ(inputFolder, "/data/in");
    EXPECT_EQ(outputFolder, "not checked");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(messenger.events().empty());
}

TEST_F(DefaultFolders, FailedWriteKeepsTheDialogOpenAndCancelChangesNothing) {
    fs::create_directory(folder / "Option.clx");
    DefaultFoldersDialog dialog(work, inputFolder, outputFolder, messenger);
    dialog.show();
    inputBox(dialog)->setText("/elsewhere");
    click(dialog, "okButton");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(inputFolder, "/memory/in");
    ASSERT_EQ(messenger.events().size(), 2u);
    EXPECT_EQ(messenger.events()[0], "tone: error");
    std::string cannotCreate = "error: Cannot create file \"" + (folder / "Option.clx").string();
    EXPECT_TRUE(messenger.events()[1].starts_with(cannotCreate)) << messenger.events()[1];

    click(dialog, "cancelButton");
    EXPECT_TRUE(fs::is_directory(folder / "Option.clx"));
    EXPECT_EQ(inputFolder, "/memory/in");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(DefaultFolders, F1AsksForHelpTopic12000) {
    DefaultFoldersDialog dialog(work, inputFolder, outputFolder, messenger);
    QSignalSpy help(&dialog, &DefaultFoldersDialog::helpRequested);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(&dialog, Qt::Key_F1);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toInt(), 12000);
}

// Browse starts at the box's folder, or at the work folder when that is
// missing, and fills that box only.
TEST_F(DefaultFolders, BrowseStartsAtTheBoxFolderAndFillsThatBox) {
    TempFolder data;
    fs::create_directory(data / "Weather");
    DefaultFoldersDialog dialog(work, inputFolder, outputFolder, messenger);
    outputBox(dialog)->setText(qt(data.path()));
    inputBox(dialog)->setText("/no/such/folder");
    QString startedAt;
    whenModalOpens<FolderChooserDialog>([&](FolderChooserDialog* chooser) {
        startedAt = chooser->selectedFolder();
        chooser->selectFolder(qt(data / "Weather"));
        chooser->findChild<QPushButton*>("okButton")->click();
    });
    click(dialog, "browseOutputButton");
    EXPECT_EQ(startedAt, qt(data.path()));
    EXPECT_EQ(outputBox(dialog)->text(), qt(data / "Weather"));
    EXPECT_EQ(inputBox(dialog)->text(), "/no/such/folder");

    whenModalOpens<FolderChooserDialog>([&](FolderChooserDialog* chooser) {
        startedAt = chooser->selectedFolder();
        chooser->findChild<QPushButton*>("cancelButton")->click();
    });
    click(dialog, "browseInputButton");
    EXPECT_EQ(startedAt, qt(folder.path()));
    EXPECT_EQ(inputBox(dialog)->text(), "/no/such/folder");
    EXPECT_EQ(outputBox(dialog)->text(), qt(data / "Weather"));
}
