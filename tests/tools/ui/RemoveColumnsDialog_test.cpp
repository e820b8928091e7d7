#include "testing/RecordingMessenger.h"
#include "testing/TempFolder.h"
#include "testing/ui/NamedControls.h"
#include "tools/ui/RemoveColumnsDialog.h"

#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace climora;
using climora::testing::expectNamedControls;

namespace {

struct DialogUnderTest {
    std::vector<ColumnMarks> calls;
    bool succeed = true;
    RemoveColumnsDialog dialog{[this](const ColumnMarks& marks) {
        calls.push_back(marks);
        return succeed;
    }};
    QListWidget* list() { return dialog.findChild<QListWidget*>("columnList"); }
    void click(const char* name) { dialog.findChild<QPushButton*>(name)->click(); }
    void tick(int column) { list()->item(column - 1)->setCheckState(Qt::Checked); }
};

} // namespace

TEST(RemoveColumnsDialog, OpensWithColumnsOneToThirtyUntickedAndNamedControls) {
    DialogUnderTest t;
    ASSERT_EQ(t.list()->count(), 30);
    for (int row = 0; row < 30; ++row) {
        EXPECT_EQ(t.list()->item(row)->text(), QString::number(row + 1));
        EXPECT_EQ(t.list()->item(row)->checkState(), Qt::Unchecked);
    }
    EXPECT_EQ(expectNamedControls(t.dialog), 4); // the list and three buttons
}

TEST(RemoveColumnsDialog, OkHandsOverTheTickedColumnsAndClosesWhenTheyAreRemoved) {
    DialogUnderTest t;
    t.dialog.show();
    t.tick(2);
    t.tick(30);
    t.succeed = false;
    t.click("okButton");
    EXPECT_TRUE(t.dialog.isVisible());
    t.succeed = true;
    t.click("okButton");
    ColumnMarks expected{};
    expected[1] = expected[29] = true;
    EXPECT_EQ(t.calls, (std::vector<ColumnMarks>{expected, expected}));
    EXPECT_EQ(t.dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(t.dialog.isVisible());
}

TEST(RemoveColumnsDialog, ResetAllUnticksAndCancelRemovesNothing) {
    DialogUnderTest t;
    t.dialog.show();
    t.tick(1);
    t.tick(7);
    t.click("resetAllButton");
    EXPECT_EQ(t.dialog.marks(), ColumnMarks{});
    t.tick(3);
    t.click("cancelButton");
    EXPECT_TRUE(t.calls.empty());
    EXPECT_EQ(t.dialog.result(), QDialog::Rejected);
}

// The window wired to the core command as the main window wires it.
TEST(RemoveColumnsDialog, OkRewritesThePanelThroughTheCoreCommand) {
    climora::testing::TempFolder folder;
    WorkFolder work(folder.path());
    RecordingMessenger messenger;
    NullGauge gauge;
    std::vector<std::string> panel = {"Year Day Tmax", "2005 32 12.5", "2005 33 13.0"};
    ToolContext context{work, messenger, gauge,
                        [&](std::vector<std::string>&& lines) { panel = std::move(lines); }};
    RemoveColumnsDialog dialog([&](const ColumnMarks& marks) {
        return removeColumns({panel, "", "1"}, marks, context);
    });
    dialog.findChild<QListWidget*>("columnList")->item(1)->setCheckState(Qt::Checked);
    dialog.findChild<QPushButton*>("okButton")->click();
    EXPECT_EQ(panel, (std::vector<std::string>{"Year Day Tmax", "2005\t12.5\t", "2005\t13.0\t"}));
    EXPECT_EQ(messenger.events(),
              (std::vector<std::string>{"tone: exclamation",
                                        "information: Specified columns are removed."}));
}
