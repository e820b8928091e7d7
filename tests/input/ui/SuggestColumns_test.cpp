#include "app/ui/MainWindow.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "input/ui/RowsBox.h"
#include "notes/ui/NotesStrip.h"
#include "output/DesktopOpener.h"
#include "output/ui/OutputGroup.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedDesktopOpener.h"
#include "testing/ScriptedFileDialogs.h"
#include "testing/TempFolder.h"
#include "testing/ui/Screenshot.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace climora;

namespace {

struct SuggestThroughTheWindow : ::testing::Test {
    climora::testing::ScopedDataHome home;
    RecordingMessenger messenger;
    ScriptedFileDialogs dialogs;
    ScriptedDesktopOpener opener;
    MainWindow window{CLIMORA_SHIPPED_DIR, messenger, dialogs, opener};
    QPushButton* suggest() { return window.inputGroup()->suggestButton(); }
};

} // namespace

TEST_F(SuggestThroughTheWindow, AnEmptyPanelAsksForAFile) {
    suggest()->click();
    EXPECT_EQ(messenger.events(),
              (std::vector<std::string>{"tone: error", "error: Open a file first."}));
    EXPECT_EQ(window.inputGroup()->rowsBox()->text(), "");
}

TEST_F(SuggestThroughTheWindow, FillsRowsAndSlotsAndNamesWhatItLeavesEmpty) {
    dialogs.nextOpen =
        FileChoice{std::string(CLIMORA_TESTS_DIR) + "/input/suggestion/coagmet_hyk02_2020.csv", 1};
    window.openInputFile();
    window.resize(1024, 700);
    window.show();
    window.notesAction()->trigger(); // off: the notes asked for show all the same
    suggest()->click();

    EXPECT_EQ(messenger.events(), std::vector<std::string>{});
    EXPECT_EQ(window.inputGroup()->rowsBox()->text(), "1");
    ColumnSlotsWidget* slotBoxes = window.inputGroup()->slotsWidget();
    const char* shown[][2] = {{"Ignore", ""}, {"Year", ""},      {"Month", ""},   {"Day", ""},
                              {"Ignore", ""}, {"T-max", "oC"},   {"T-min", "oC"}, {"Ignore", ""},
                              {"Ignore", ""}, {"Solar", "W/m2"}, {"", ""},        {"ET", "mm"}};
    for (int k = 0; k < slotCount; ++k) {
        EXPECT_EQ(slotBoxes->variableBox(k)->currentText(), shown[k][0]) << k;
        EXPECT_EQ(slotBoxes->unitBox(k)->currentText(), shown[k][1]) << k;
    }
    NotesStrip* notes = window.notesStrip();
    EXPECT_TRUE(notes->isVisible());
    EXPECT_TRUE(notes->text().contains("11 \"windrun\"")) << notes->text().toStdString();
    // It never processes: the output panel stays empty.
    EXPECT_TRUE(window.outputGroup()->outputLines().empty());
    climora::testing::saveScreenshot(&window, "suggested-columns");

    window.inputGroup()->resetButton()->click();
    EXPECT_FALSE(notes->isVisible());
}
