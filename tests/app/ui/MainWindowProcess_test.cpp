#include "app/ui/MainWindow.h"
#include "base/TextFile.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "input/ui/RowsBox.h"
#include "output/DesktopOpener.h"
#include "output/ui/OutputGroup.h"
#include "pipeline/ui/SiteCoordinateDialog.h"
#include "pipeline/ui/TaskGroup.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedDesktopOpener.h"
#include "testing/ScriptedFileDialogs.h"
#include "testing/TempFolder.h"
#include "testing/ui/Screenshot.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace climora;
using climora::testing::ScopedDataHome;

namespace {

const std::filesystem::path caseFolder =
    std::filesystem::path(CLIMORA_TEST_DATA_DIR).parent_path() / "pipeline" / "cases" /
    "station-flags-task1";

struct ProcessThroughTheWindow : ::testing::Test {
    ScopedDataHome home;
    RecordingMessenger messenger;
    ScriptedFileDialogs dialogs;
    ScriptedDesktopOpener opener;
    MainWindow window{CLIMORA_SHIPPED_DIR, messenger, dialogs, opener};

    void openStationFile() {
        dialogs.nextOpen = FileChoice{(caseFolder / "fallon-flags.txt").string(), 1};
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
    }
};

} // namespace

TEST_F(ProcessThroughTheWindow, ConvertsAStationFileAndInsertsTheSiteLine) {
    openStationFile();
    window.show();
    window.taskGroup()->processButton()->click();
    EXPECT_EQ(messenger.events(), (std::vector<std::string>{"tone: exclamation"}));
    EXPECT_EQ(window.taskGroup()->processButton()->text(), "It is Done");

    auto* dialog = window.findChild<SiteCoordinateDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("latitudeBox")->setText("39.4575");
    dialog->findChild<QLineEdit*>("longitudeBox")->setText("118.7739");
    dialog->findChild<QLineEdit*>("elevationBox")->setText("1208.5");
    climora::testing::saveScreenshot(dialog, "site-dialog");
    dialog->findChild<QPushButton*>("okButton")->click();
    climora::testing::saveScreenshot(&window, "main-window-after-run");

    std::vector<std::string> expected =
        splitLines(climora::testing::readBytes(caseFolder / "expected-output"));
    EXPECT_EQ(window.outputGroup()->outputLines(), expected);
    // The input panel is the user's: a run never changes it.
    EXPECT_EQ(window.inputGroup()->panelLines(), readTextLines(caseFolder / "fallon-flags.txt"));
}

TEST_F(ProcessThroughTheWindow, AValidationFailureStopsBeforeAnyData) {
    openStationFile();
    window.inputGroup()->resetButton()->click();
    window.taskGroup()->processButton()->click();
    EXPECT_EQ(messenger.events(),
              (std::vector<std::string>{"tone: error", "error: Columns are not specified."}));
    EXPECT_EQ(window.taskGroup()->processButton()->text(), "Step 4: Process");
    EXPECT_EQ(window.findChild<SiteCoordinateDialog*>(), nullptr);
}

TEST_F(ProcessThroughTheWindow, TaskPagesRefuseSitesNoPlaceHas) {
    openStationFile();
    const struct {
        int task;
        std::vector<std::pair<const char*, const char*>> boxes;
        const char* refusal;
    } cases[] = {
        {4, {{"task4Latitude", "91"}}, "Latitude must be between -90 and 90."},
        {5, {{"task5Latitude", "-90.5"}}, "Latitude must be between -90 and 90."},
        {7,
         {{"task7Latitude", "45"}, {"task7Elevation", "50000"}},
         "Elevation must be between -500 and 9000 m."},
    };
    for (const auto& c : cases) {
        window.taskGroup()->selectTask(c.task);
        for (const auto& [name, text] : c.boxes)
            window.taskGroup()->page(c.task)->findChild<QLineEdit*>(name)->setText(text);
        messenger.clear();
        window.taskGroup()->processButton()->click();
        EXPECT_EQ(messenger.events(),
                  (std::vector<std::string>{"tone: error", std::string("error: ") + c.refusal}))
            << c.task;
        EXPECT_EQ(window.taskGroup()->processButton()->text(), "Step 4: Process");
    }
}
