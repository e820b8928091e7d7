#include "templates/TemplateTestFiles.h"
#include "templates/ui/SaveTemplateDialog.h"
#include "templates/ui/TemplateComboBox.h"
#include "templates/ui/TemplateCommands.h"
#include "templates/ui/TemplateManagerDialog.h"
#include "testing/RecordingMessenger.h"
#include "testing/ui/NamedControls.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace climora;
using namespace climora::testing;

namespace {
using Names = std::vector<std::string>;
using Events = std::vector<std::string>;

template <class T> T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

DataTemplate current() {
    DataTemplate t;
    t.rowsBeforeData = "2";
    t.variablePositions[0] = Year;
    t.variablePositions[1] = Solar;
    t.unitPositions[1] = 1;
    return t;
}

std::string currentBlock(const std::string& name) {
    return block(name, "2", tabbed({1, 5, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}),
                 tabbed({-1, 1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
}

struct TwoTemplates : ::testing::Test {
    TemplateFolder folder;
    FailingWrites writes;
    TemplateStore store{folder.work, writes};
    RecordingMessenger messenger;
    std::string settings = currentBlock("one") + "\r\n" + currentBlock("Two");
    std::string list = "one\r\nTwo\r\n";
    void SetUp() override {
        folder.put("TemplateSettings.clx", settings);
        folder.put("TemplateList.clx", list);
    }
};

// Clicks the list's row as the user would.
void clickRow(QListWidget* list, int row) {
    QRect area = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, area.center());
}

// Chooses the row, presses Rename and confirms the new name with OK.
void renameRow(TemplateManagerDialog& dialog, int row, const QString& name) {
    clickRow(child<QListWidget>(dialog, "templateList"), row);
    QTest::mouseClick(child<QPushButton>(dialog, "renameButton"), Qt::LeftButton);
    child<QLineEdit>(dialog, "newNameBox")->setText(name);
    QTest::mouseClick(child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
}

} // namespace

TEST_F(TwoTemplates, SaveDialogStaysOpenUntilANameIsSavedOrCancelled) {
    SaveTemplateDialog dialog(store, messenger, {"Two", "one"}, current());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Save template");
    EXPECT_EQ(expectNamedControls(dialog), 4);
    auto* nameBox = child<QLineEdit>(dialog, "templateNameBox");
    auto* list = child<QListWidget>(dialog, "templateNameList");
    EXPECT_EQ(dialog.focusWidget(), nameBox);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "one");
    EXPECT_TRUE(list->selectedItems().isEmpty());

    // No name, then a declined overwrite of the clicked name: still open.
    auto* save = child<QPushButton>(dialog, "saveButton");
    QTest::mouseClick(save, Qt::LeftButton);
    clickRow(list, 1);
    EXPECT_EQ(nameBox->text(), "Two");
    messenger.answerNext(false);
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"), settings);

    nameBox->setText("new");
    QTest::keyClick(nameBox, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(messenger.events(),
              (Events{"tone: error", "error: No name is given.", "tone: exclamation",
                      "confirm: Overwrite the existing template of the same name? -> No"}));
    EXPECT_EQ(dialog.saveResult().names, (Names{"new", "one", "Two"}));
    EXPECT_EQ(dialog.saveResult().selectedPosition, 0);
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"), settings + "\r\n" + currentBlock("new"));
    EXPECT_EQ(folder.bytes("TemplateList.clx"), "new\r\none\r\nTwo\r\n");

    SaveTemplateDialog cancelled(store, messenger, {"one", "Two"}, current());
    cancelled.show();
    QTest::mouseClick(child<QPushButton>(cancelled, "cancelButton"), Qt::LeftButton);
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
}

TEST_F(TwoTemplates, ManagerRenamesThroughTheRenamingState) {
    TemplateManagerDialog dialog(store, messenger);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Template management");
    EXPECT_GE(expectNamedControls(dialog), 7);
    EXPECT_EQ(dialog.height(), 268);
    auto* list = child<QListWidget>(dialog, "templateList");
    auto* rename = child<QPushButton>(dialog, "renameButton");
    auto* lower = child<QWidget>(dialog, "lowerGroup");
    auto* newName = child<QLineEdit>(dialog, "newNameBox");
    EXPECT_FALSE(lower->isVisible());

    QTest::mouseClick(rename, Qt::LeftButton); // nothing selected: nothing happens
    EXPECT_FALSE(dialog.isRenaming());

    clickRow(list, 1);
    QTest::mouseClick(rename, Qt::LeftButton);
    EXPECT_TRUE(dialog.isRenaming());
    EXPECT_EQ(dialog.height(), 422);
    EXPECT_TRUE(lower->isVisible());
    EXPECT_TRUE(lower->isEnabled());
    EXPECT_FALSE(child<QWidget>(dialog, "upperGroup")->isEnabled());
    EXPECT_EQ(newName->text(), "Two");
    for (const char* name : {"renameButton", "deleteButton", "closeButton"})
        EXPECT_EQ(child<QWidget>(dialog, name)->palette().color(QPalette::ButtonText),
                  TemplateManagerDialog::greyText());
    EXPECT_EQ(list->palette().color(QPalette::Text), TemplateManagerDialog::greyText());
    EXPECT_EQ(
        child<QLabel>(dialog, "availableTemplatesLabel")->palette().color(QPalette::WindowText),
        TemplateManagerDialog::greyText());

    newName->setText("Three");
    QTest::keyClick(newName, Qt::Key_Return);
    EXPECT_FALSE(dialog.isRenaming());
    EXPECT_EQ(dialog.height(), 268);
    EXPECT_FALSE(lower->isVisible());
    EXPECT_NE(rename->palette().color(QPalette::ButtonText), TemplateManagerDialog::greyText());
    EXPECT_EQ(dialog.names(), (Names{"one", "Three"}));
    EXPECT_EQ(list->item(1)->text(), "Three");
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"), currentBlock("one") + currentBlock("Three"));
    EXPECT_EQ(folder.bytes("TemplateList.clx"), "one\r\nThree\r\n");
    EXPECT_TRUE(messenger.events().empty());
}

TEST_F(TwoTemplates, ManagerRefusesATakenNameAndReturnsToBrowsingAfterAFailedWrite) {
    TemplateManagerDialog dialog(store, messenger);
    dialog.show();
    renameRow(dialog, 0, "Two");
    EXPECT_EQ(messenger.events(),
              (Events{"tone: error", "error: A template of the same name already exists."}));
    EXPECT_TRUE(dialog.isRenaming());
    EXPECT_EQ(dialog.height(), 422);
    EXPECT_EQ(child<QPushButton>(dialog, "renameButton")->palette().color(QPalette::ButtonText),
              TemplateManagerDialog::greyText());
    // Escape does not close the dialog while renaming; the lower Cancel ends it.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(child<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isRenaming());
    EXPECT_EQ(dialog.height(), 268);
    EXPECT_TRUE(child<QWidget>(dialog, "upperGroup")->isEnabled());
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"), settings);

    // A rename that fails on writing returns to browsing, the files restored.
    writes.failingName = "TemplateSettings.clx";
    messenger.clear();
    renameRow(dialog, 0, "Zero");
    EXPECT_EQ(messenger.events(),
              (Events{"tone: error", "error: Write error on file \"" +
                                         (folder.temp / "TemplateSettings.clx").string() + "\"."}));
    EXPECT_FALSE(dialog.isRenaming());
    EXPECT_EQ(dialog.height(), 268);
    EXPECT_TRUE(child<QWidget>(dialog, "upperGroup")->isEnabled());
    EXPECT_EQ(dialog.names(), (Names{"one", "Two"}));
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"), settings);
    EXPECT_EQ(folder.bytes("TemplateList.clx"), list);
    EXPECT_TRUE(folder.holdsOnlyTheTwoFiles());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(TwoTemplates, ManagerDeletesAfterConfirmation) {
    TemplateManagerDialog dialog(store, messenger);
    dialog.show();
    auto* list = child<QListWidget>(dialog, "templateList");
    auto* remove = child<QPushButton>(dialog, "deleteButton");
    QTest::mouseClick(remove, Qt::LeftButton); // nothing selected
    clickRow(list, 0);
    messenger.answerNext(false);
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(list->count(), 2);
    clickRow(list, 0);
    messenger.answerNext(true);
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(messenger.events(), (Events{"confirm: Delete this template? -> No",
                                          "confirm: Delete this template? -> Yes"}));
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Two");
    EXPECT_EQ(folder.bytes("TemplateSettings.clx"), currentBlock("Two"));
    EXPECT_EQ(folder.bytes("TemplateList.clx"), "Two\r\n");
}

TEST(TemplateCommands, ManageWithoutAListFileOnlyReports) {
    TemplateFolder folder;
    TemplateStore store(folder.work);
    RecordingMessenger messenger;
    TemplateComboBox box;
    manageTemplateList(nullptr, store, messenger, box);
    EXPECT_EQ(messenger.events(), (Events{"tone: error", "error: No template list is found."}));
}

TEST_F(TwoTemplates, ManageReloadsTheDropDownWhenTheDialogCloses) {
    QWidget window;
    window.show();
    TemplateComboBox box(&window);
    box.setNames({"one", "Two"});
    box.selectPosition(1);
    messenger.answerNext(true);
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TemplateManagerDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->parentWidget(), &window);
        clickRow(child<QListWidget>(*dialog, "templateList"), 1);
        QTest::mouseClick(child<QPushButton>(*dialog, "deleteButton"), Qt::LeftButton);
        EXPECT_EQ(box.names(), (Names{"one", "Two"})); // reloaded only on close
        QTest::mouseClick(child<QPushButton>(*dialog, "closeButton"), Qt::LeftButton);
    });
    manageTemplateList(&window, store, messenger, box);
    EXPECT_EQ(box.names(), Names{"one"});
    EXPECT_EQ(box.selectedName(), std::nullopt);
}

TEST_F(TwoTemplates, SaveCommandSelectsTheSavedNameInTheDropDown) {
    QWidget window;
    window.show();
    TemplateComboBox box(&window);
    box.setNames({"one", "Two"});
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<SaveTemplateDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* nameBox = child<QLineEdit>(*dialog, "templateNameBox");
        nameBox->setText("Three");
        QTest::keyClick(nameBox, Qt::Key_Return);
    });
    EXPECT_TRUE(saveCurrentDataTemplate(&window, store, messenger, box, current()));
    EXPECT_EQ(box.names(), (Names{"one", "Three", "Two"}));
    EXPECT_EQ(box.selectedName(), "Three");
    EXPECT_EQ(box.colour(), TemplateBoxColour::Yellow);
}
