#include "templates/TemplateTestFiles.h"
#include "templates/ui/TemplateComboBox.h"
#include "templates/ui/TemplateCommands.h"
#include "testing/RecordingMessenger.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace climora;
using namespace climora::testing;

namespace {
using Names = std::vector<std::string>;
using Events = std::vector<std::string>;

bool looksYellow(const TemplateComboBox& box) {
    return box.palette().color(QPalette::Button) == QColor(Qt::yellow) &&
           box.palette().color(QPalette::Base) == QColor(Qt::yellow);
}
} // namespace

TEST(TemplateComboBox, IsSortedAndStartsYellowWithoutSelection) {
    TemplateComboBox box;
    EXPECT_FALSE(box.isEditable());
    box.setNames({"beta", "Alpha", "gamma"});
    EXPECT_EQ(box.names(), (Names{"Alpha", "beta", "gamma"}));
    EXPECT_EQ(box.selectedName(), std::nullopt);
    EXPECT_EQ(box.colour(), TemplateBoxColour::Yellow);
    EXPECT_TRUE(looksYellow(box));
}

TEST(TemplateComboBox, ColourFollowsAppliedTemplatesOnly) {
    TemplateComboBox box;
    box.setNames({"A", "B"});
    box.selectPosition(1);
    EXPECT_EQ(box.selectedName(), "B");
    box.showApplyOutcome(ApplyOutcome::NotFound);
    EXPECT_TRUE(looksYellow(box));
    box.showApplyOutcome(ApplyOutcome::Applied);
    EXPECT_EQ(box.colour(), TemplateBoxColour::Normal);
    EXPECT_NE(box.palette().color(QPalette::Button), QColor(Qt::yellow));
    // Clearing the selection or reloading the list keeps the colour.
    box.selectPosition(-1);
    box.setNames({"A", "B", "C"});
    EXPECT_EQ(box.colour(), TemplateBoxColour::Normal);
    // A retrieve leaves no name shown: yellow again.
    box.showApplyOutcome(ApplyOutcome::Applied);
    EXPECT_TRUE(looksYellow(box));
}

TEST(TemplateComboBox, ChoosingAnItemAnnouncesIt) {
    TemplateComboBox box;
    box.setNames({"A", "B"});
    QSignalSpy chosen(&box, &TemplateComboBox::templateChosen);
    box.selectPosition(0); // the program's own selection is no choice
    EXPECT_EQ(chosen.count(), 0);
    emit box.activated(1);
    EXPECT_EQ(chosen.count(), 1);
}

TEST(TemplateCommands, ApplyAndRetrieveSetTheColourAndTheSlots) {
    TemplateFolder folder;
    folder.put("TemplateSettings.clx",
               block("Station", "3", tabbed({1, 6, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}),
                     tabbed({-1, 1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1})));
    folder.put("TemplateList.clx", "Station\r\nGhost\r\n");
    TemplateStore store(folder.work);
    RecordingMessenger messenger;
    TemplateComboBox box;
    fillTemplateDropDown(store, box, messenger);
    EXPECT_EQ(box.names(), (Names{"Ghost", "Station"}));

    ColumnSlots columns;
    std::string rows;
    box.selectPosition(0);
    EXPECT_EQ(applySelectedTemplate(store, box, rows, columns, messenger), ApplyOutcome::NotFound);
    EXPECT_EQ(box.colour(), TemplateBoxColour::Yellow);
    box.selectPosition(1);
    EXPECT_EQ(applySelectedTemplate(store, box, rows, columns, messenger), ApplyOutcome::Applied);
    EXPECT_EQ(box.colour(), TemplateBoxColour::Normal);
    EXPECT_EQ(rows, "3");
    EXPECT_EQ(columns[1].unitText(), "oF");
    EXPECT_EQ(messenger.events(),
              (Events{"tone: error", "error: Settings are not found for the selected template."}));

    // No last session file: nothing happens, the colour stays.
    EXPECT_EQ(retrieveLastSessionTemplate(store, box, rows, columns, messenger),
              ApplyOutcome::NothingDone);
    EXPECT_EQ(box.colour(), TemplateBoxColour::Normal);
}

TEST(TemplateCommands, UnreadableListLeavesTheDropDownEmpty) {
    TemplateFolder folder;
    folder.put("TemplateList.clx", std::string("A\0B", 3));
    TemplateStore store(folder.work);
    RecordingMessenger messenger;
    TemplateComboBox box;
    box.setNames({"old"});
    fillTemplateDropDown(store, box, messenger);
    EXPECT_TRUE(box.names().empty());
    EXPECT_EQ(messenger.events(), (Events{"tone: error", "error: The file is not a text file"}));
}
