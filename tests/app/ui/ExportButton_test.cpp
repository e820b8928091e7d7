// "Export..." writes the days of the run now in the output panel, and only
// while the panel shows what that run produced.

#include "app/ui/MainWindow.h"
#include "base/TextFile.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "input/ui/RowsBox.h"
#include "output/ui/OutputGroup.h"
#include "pipeline/ui/SiteCoordinateDialog.h"
#include "pipeline/ui/TaskGroup.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedDesktopOpener.h"
#include "testing/ScriptedFileDialogs.h"
#include "testing/TempFolder.h"
#include "testing/ui/Screenshot.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace climora;
using climora::testing::ScopedDataHome;

namespace {

const std::filesystem::path stationFile = std::filesystem::path(CLIMORA_TESTS_DIR) / "pipeline" /
                                          "cases" / "station-flags-task1" / "fallon-flags.txt";

struct ExportButton : ::testing::Test {
    ScopedDataHome home;
    RecordingMessenger messenger;
    ScriptedFileDialogs dialogs;
    ScriptedDesktopOpener opener;
    MainWindow window{CLIMORA_SHIPPED_DIR, messenger, dialogs, opener};
    QPushButton* button = window.outputGroup()->findChild<QPushButton*>("exportButton");

    void runTask1() {
        dialogs.nextOpen = FileChoice{stationFile.string(), 1};
        window.openInputFile();
        for (int i = 0; i < 4; ++i)
            window.inputGroup()->rowsBox()->downArrow()->click();
        ColumnSlotsWidget* slotsWidget = window.inputGroup()->slotsWidget();
        const int variables[] = {Year, DOY, Solar, TMax, TMin, Precip};
        const int units[] = {-1, -1, 1, 1, 1, 2};
        for (int k = 0; k < 6; ++k) {
            slotsWidget->variableBox(k)->setCurrentIndex(variables[k]);
            slotsWidget->unitBox(k)->setCurrentIndex(units[k]);
        }
        window.taskGroup()->processButton()->click();
    }
    void answerSiteDialog(const char* latitude) {
        auto* dialog = window.findChild<SiteCoordinateDialog*>();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("latitudeBox")->setText(latitude);
        dialog->findChild<QLineEdit*>("longitudeBox")->setText("118.7739");
        dialog->findChild<QLineEdit*>("elevationBox")->setText("1208.5");
        dialog->findChild<QPushButton*>("okButton")->click();
    }
    void exportAs(const std::filesystem::path& name, int filter) {
        dialogs.nextSave = FileChoice{name.string(), filter};
        button->click();
    }
};

} // namespace

TEST_F(ExportButton, WritesTheRunsDaysUntilThePanelIsEdited) {
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(button->toolTip(), "Process a file with task 1 first.");

    runTask1();
    answerSiteDialog("39.4575");
    ASSERT_TRUE(button->isEnabled());
    climora::testing::TempFolder folder;
    exportAs(folder / "fallon", 1);
    EXPECT_EQ(dialogs.lastRequest->filter,
              "DSSAT weather file (*.WTH)|*.WTH|APSIM weather file (*.met)|*.met");
    std::vector<std::string> lines = readTextLines(folder / "fallon.WTH");
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "$WEATHER DATA : fallon-flags.txt");
    EXPECT_EQ(lines[3], "  FALL   39.458 -118.774  1208   1.0   0.0   2.0   2.0");
    EXPECT_EQ(lines[5], "2015001   9.4  -0.2 -17.7   0.0");

    window.outputGroup()->panel()->appendPlainText("edited");
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(button->toolTip(), "Process a file with task 1 first.");
    EXPECT_EQ(messenger.events(), (std::vector<std::string>{"tone: exclamation"}));

    window.findChild<QAbstractButton*>("dismissNotesButton")->click();
    window.resize(1024, 700);
    window.show();
    window.taskGroup()->selectTask(7);
    climora::testing::saveScreenshot(&window, "main-window-task7");
}

TEST_F(ExportButton, ApsimWithoutTheSiteLineIsRefusedInAnErrorBox) {
    runTask1();
    window.findChild<SiteCoordinateDialog*>()->reject();
    ASSERT_TRUE(button->isEnabled());
    climora::testing::TempFolder folder;
    messenger.clear();
    exportAs(folder / "fallon", 2);
    EXPECT_EQ(messenger.events(),
              (std::vector<std::string>{
                  "tone: error", "error: An APSIM weather file needs the site's latitude."}));
    EXPECT_FALSE(std::filesystem::exists(folder / "fallon.met"));
}
