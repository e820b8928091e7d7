#include "prefs/ui/FolderChooserDialog.h"
#include "testing/RecordingMessenger.h"
#include "testing/TempFolder.h"
#include "testing/ui/NamedControls.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace climora;
using climora::testing::expectNamedControls;
using climora::testing::TempFolder;
using climora::testing::writeBytes;
namespace fs = std::filesystem;

namespace {

QString qt(const fs::path& path) {
    return QString::fromStdString(path.string());
}

class FolderChooser : public ::testing::Test {
  protected:
    // The folder's contents must exist before the chooser opens on it.
    bool populate() {
        writeBytes(root / "b.txt", "x");
        writeBytes(root / "A", "x");
        fs::create_directory(root / "Weather");
        writeBytes(root / "Weather" / "station.csv", "x");
        return true;
    }
    template <class T> T* child(const char* name) { return chooser.findChild<T*>(name); }
    QStringList files() {
        QStringList names;
        auto* list = child<QListWidget>("fileList");
        for (int row = 0; row < list->count(); ++row)
            names << list->item(row)->text();
        return names;
    }
    bool panelShown() { return child<QFrame>("newFolderPanel")->isVisibleTo(&chooser); }
    bool buttonsEnabled() {
        return child<QPushButton>("okButton")->isEnabled() &&
               child<QPushButton>("cancelButton")->isEnabled() &&
               child<QPushButton>("newFolderButton")->isEnabled();
    }

    TempFolder root;
    bool populated = populate();
    RecordingMessenger messenger;
    FolderChooserDialog chooser{qt(root.path()), messenger, nullptr, {"/", qt(root.path())}};
};

} // namespace

TEST_F(FolderChooser, StartsAtTheGivenFolderWithItsFiles) {
    EXPECT_EQ(chooser.windowTitle(), "Select a folder");
    EXPECT_EQ(chooser.selectedFolder(), qt(root.path()));
    EXPECT_EQ(child<QLabel>("selectedPathLabel")->text(), qt(root.path()));
    EXPECT_EQ(files(), (QStringList{"A", "b.txt"}));
    EXPECT_EQ(child<QComboBox>("driveChooser")->currentIndex(), 1);
    EXPECT_FALSE(panelShown());
    EXPECT_TRUE(messenger.events().empty());
    EXPECT_GE(expectNamedControls(chooser), 8);
}

TEST_F(FolderChooser, MovingInTheTreeOrDriveChooserUpdatesEverything) {
    auto* tree = child<QTreeView>("folderTree");
    auto* model = qobject_cast<QFileSystemModel*>(tree->model());
    tree->setCurrentIndex(model->index(qt(root / "Weather")));
    EXPECT_EQ(chooser.selectedFolder(), qt(root / "Weather"));
    EXPECT_EQ(child<QLabel>("selectedPathLabel")->text(), qt(root / "Weather"));
    EXPECT_EQ(files(), QStringList{"station.csv"});

    auto* drives = child<QComboBox>("driveChooser");
    drives->setCurrentIndex(0);
    emit drives->activated(0);
    EXPECT_EQ(chooser.selectedFolder(), "/");
    EXPECT_EQ(drives->currentIndex(), 0);
}

TEST_F(FolderChooser, NewDirectoryPanelCreatesOneLevelAndSelectsIt) {
    child<QPushButton>("newFolderButton")->click();
    EXPECT_TRUE(panelShown());
    EXPECT_FALSE(child<QPushButton>("okButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("cancelButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("newFolderButton")->isEnabled());
    auto* text = child<QLineEdit>("newFolderText");
    EXPECT_EQ(text->text(), qt(root.path()) + "/");

    text->setText(text->text() + "Year 2015");
    child<QPushButton>("newFolderOkButton")->click();
    EXPECT_TRUE(fs::is_directory(root / "Year 2015"));
    EXPECT_EQ(chooser.selectedFolder(), qt(root / "Year 2015"));
    EXPECT_FALSE(panelShown());
    EXPECT_TRUE(buttonsEnabled());
    EXPECT_TRUE(messenger.events().empty());
}

TEST_F(FolderChooser, FolderThatCannotBeCreatedKeepsThePanelOpenUntilCancel) {
    child<QPushButton>("newFolderButton")->click();
    child<QLineEdit>("newFolderText")->setText(qt(root / "x" / "y"));
    child<QPushButton>("newFolderOkButton")->click();
    EXPECT_FALSE(fs::exists(root / "x"));
    ASSERT_EQ(messenger.events().size(), 2u);
    EXPECT_EQ(messenger.events()[0], "tone: error");
    EXPECT_TRUE(panelShown());
    EXPECT_FALSE(child<QPushButton>("okButton")->isEnabled());

    // Cancel creates nothing, not even a name that could be created.
    child<QLineEdit>("newFolderText")->setText(qt(root / "Unwanted"));
    child<QPushButton>("newFolderCancelButton")->click();
    EXPECT_FALSE(fs::exists(root / "Unwanted"));
    EXPECT_FALSE(panelShown());
    EXPECT_TRUE(buttonsEnabled());
    EXPECT_EQ(chooser.selectedFolder(), qt(root.path()));
}

// The tree fills in while it is shown; the chosen folder must be in view
// once its parent's folders have been read and sorted.
TEST(FolderChooserView, ChosenFolderIsInViewOnceTheTreeHasLoaded) {
    TempFolder root;
    for (int i = 100; i < 250; ++i)
        fs::create_directory(root / ("d" + std::to_string(i)));
    fs::create_directory(root / "zz chosen");
    RecordingMessenger messenger;
    FolderChooserDialog chooser(qt(root / "zz chosen"), messenger, nullptr, {"/"});
    chooser.show();
    auto* tree = chooser.findChild<QTreeView*>("folderTree");
    auto* model = qobject_cast<QFileSystemModel*>(tree->model());
    QPersistentModelIndex chosen = model->index(qt(root / "zz chosen"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return chosen.row() == 150; }, 5000)); // loaded, sorted
    EXPECT_EQ(tree->currentIndex(), QModelIndex(chosen));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return tree->viewport()->rect().contains(tree->visualRect(QModelIndex(chosen))); },
        1000));
}
