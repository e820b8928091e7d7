// The notes strip under the output panel and its "Control" menu item.

#include "app/ui/MainWindow.h"
#include "base/TextFile.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "input/ui/RowsBox.h"
#include "notes/ui/NotesStrip.h"
#include "output/DesktopOpener.h"
#include "output/ui/OutputGroup.h"
#include "pipeline/ui/TaskGroup.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedDesktopOpener.h"
#include "testing/ScriptedFileDialogs.h"
#include "testing/TempFolder.h"
#include "testing/ui/Screenshot.h"

#include <QAction>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace climora;
using climora::testing::readBytes;
using climora::testing::ScopedDataHome;

namespace {

struct NotesInTheWindow : ::testing::Test {
    ScopedDataHome home;
    RecordingMessenger messenger;
    ScriptedFileDialogs dialogs;
    ScriptedDesktopOpener opener;
    std::unique_ptr<MainWindow> window = newWindow();

    std::unique_ptr<MainWindow> newWindow() {
        return std::make_unique<MainWindow>(CLIMORA_SHIPPED_DIR, messenger, dialogs, opener);
    }
    // Task 3 on a day whose humidity is a fraction, and the day after.
    void processInput(const std::string& text) {
        window->setInputName("station.txt");
        window->setInputText(text);
        window->inputGroup()->rowsBox()->setText("1");
        ColumnSlotsWidget* slotsWidget = window->inputGroup()->slotsWidget();
        const int variables[] = {Year, DOY, RelHum};
        for (int k = 0; k < 3; ++k)
            slotsWidget->variableBox(k)->setCurrentIndex(variables[k]);
        window->taskGroup()->findChild<QComboBox*>("taskList")->setCurrentIndex(2);
        window->taskGroup()->processButton()->click();
    }
    NotesStrip* strip() { return window->notesStrip(); }
};

} // namespace

TEST_F(NotesInTheWindow, ARunShowsItsNotesAndTheStripCanBeDismissed) {
    window->show();
    EXPECT_FALSE(strip()->isVisible());
    processInput("Station\n2020 1 0.5\n2020 2 0.9\n");
    ASSERT_TRUE(strip()->isVisible());
    EXPECT_EQ(strip()->text(), "Note: COLUMN 3 (RelHum): values all lie in 0-1.5, a fraction "
                               "rather than %; 2 rows, first on line 2");
    climora::testing::saveScreenshot(window.get(), "notes-strip");
    strip()->dismissButton()->click();
    EXPECT_FALSE(strip()->isVisible());

    processInput("Station\n2020 1 50\n2020 2 90\n"); // nothing to note
    EXPECT_FALSE(strip()->isVisible());
}

TEST_F(NotesInTheWindow, AnUnreadableNumberShowsItsPlaceBesideTheErrorBox) {
    window->show();
    processInput("Station\n2020 1 50\n2020 2 9.9.9\n");
    EXPECT_EQ(messenger.events().back(), "error: Invalid numeric input");
    EXPECT_TRUE(strip()->isVisible());
    EXPECT_EQ(strip()->text(), "Note: line 3, value 3 of the input: \"9.9.9\"");
}

TEST_F(NotesInTheWindow, TheMenuItemIsKeptInClimoraIniAndOptionClxKeepsSevenLines) {
    QAction* item = window->notesAction();
    EXPECT_EQ(item->text(), "Plausibility notes");
    EXPECT_TRUE(item->isChecked()); // no Climora.ini: checked
    window->show();
    processInput("Station\n2020 1 0.5\n");
    ASSERT_TRUE(strip()->isVisible());
    item->trigger();
    EXPECT_FALSE(strip()->isVisible());
    EXPECT_EQ(readBytes(home.workFolder() / "Climora.ini"), "PlausibilityNotes=0\r\n");
    processInput("Station\n2020 1 0.5\n");
    EXPECT_FALSE(strip()->isVisible());

    window->close();
    window = newWindow();
    EXPECT_FALSE(window->notesAction()->isChecked());
    EXPECT_EQ(readTextLines(home.workFolder() / "Option.clx").size(), 7u);
    window->notesAction()->trigger();
    EXPECT_EQ(readBytes(home.workFolder() / "Climora.ini"), "PlausibilityNotes=1\r\n");
}

TEST_F(NotesInTheWindow, AnUpdateThatCannotReadADayShowsItsPlaceBesideTheErrorBox) {
    const std::filesystem::path file = home.path() / "site.wth";
    climora::testing::writeBytes(file,
                                 "Site\r\n40 -96 360\r\nYear\tDOY\r\n\t\tMJ/m2\r\n2005 5\r\n");
    window->show();
    window->outputGroup()->setOutputLines({"Title", "2005 1 3", "2005 2 3", "2005 3x 4"});
    dialogs.nextOpen = FileChoice{file.string(), 1};
    window->outputGroup()->findChild<QPushButton*>("Button2")->click();
    EXPECT_EQ(messenger.events().back(), "error: Invalid numeric input");
    EXPECT_EQ(strip()->text(), "Note: line 4, value 2 of the output panel: \"3x\"");
}
