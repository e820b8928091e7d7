#include "app/ui/MainWindow.h"
#include "base/TextFile.h"
#include "charts/ui/ChartPanelView.h"
#include "charts/ui/ChartWindow.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "input/ui/RowsBox.h"
#include "output/DesktopOpener.h"
#include "output/ui/OutputGroup.h"
#include "pipeline/ui/TaskGroup.h"
#include "prefs/ProgramSettings.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedDesktopOpener.h"
#include "testing/ScriptedFileDialogs.h"
#include "testing/TempFolder.h"
#include "testing/ui/NamedControls.h"
#include "testing/ui/Screenshot.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace climora;
using climora::testing::ScopedDataHome;
using climora::testing::TempFolder;

namespace {

const std::filesystem::path agrimetFile = std::filesystem::path(CLIMORA_TESTS_DIR) / "pipeline" /
                                          "cases" / "agrimet-task1" /
                                          "FALN_Agrimet_daily_raw_2015.csv";

struct ChartThroughTheWindow : ::testing::Test {
    ScopedDataHome home;
    RecordingMessenger messenger;
    ScriptedFileDialogs dialogs;
    ScriptedDesktopOpener opener;
    MainWindow window{CLIMORA_SHIPPED_DIR, messenger, dialogs, opener};

    // The station year with its slots: Year, Month, Day, T-min oF, T-max oF, Solar Langley.
    void openAgrimetYear() {
        dialogs.nextOpen = FileChoice{agrimetFile.string(), 1};
        window.openInputFile();
        window.inputGroup()->rowsBox()->setText(QStringLiteral("1"));
        ColumnSlotsWidget* slotsWidget = window.inputGroup()->slotsWidget();
        const int variables[] = {Year, Month, Day, TMin, TMax, Solar};
        const int units[] = {-1, -1, -1, 1, 1, 1};
        for (int k = 0; k < 6; ++k) {
            slotsWidget->variableBox(k)->setCurrentIndex(variables[k]);
            slotsWidget->unitBox(k)->setCurrentIndex(units[k]);
        }
    }

    ChartWindow* openedChart() {
        QList<ChartWindow*> windows = window.findChildren<ChartWindow*>();
        return windows.isEmpty() ? nullptr : windows.back();
    }
};

} // namespace

TEST_F(ChartThroughTheWindow, ChartsTheStationYearWithTheCheckupDatesMarked) {
    openAgrimetYear();
    window.outputGroup()->setOutputLines(
        {"Report of weather data checkup.",
         "Input data can be edited directly in the input data panel.", "",
         "Suspicious data are spotted on (year / month / day):", "\t2015 / 2 / 3",
         "\t2015 / 7 / 20"});
    window.outputGroup()->findChild<QPushButton*>("chartButton")->click();
    ChartWindow* chart = openedChart();
    ASSERT_NE(chart, nullptr) << messenger.events().size();
    EXPECT_EQ(chart->table().rowCount(), 365u);
    EXPECT_EQ(chart->table().skippedLines, 0);
    std::vector<ChartPanelView*> views = chart->views();
    ASSERT_EQ(views.size(), 2u) << "temperature and solar";
    EXPECT_EQ(views[0]->drawnSeriesCount(), 4) << "band, T-max, T-min, marks";
    EXPECT_EQ(views[1]->drawnSeriesCount(), 2) << "solar, marks; no latitude: no clear sky";
    EXPECT_EQ(views[0]->markCount(), 2);
    EXPECT_EQ(views[1]->markCount(), 2);
    EXPECT_TRUE(chart->statusLine()->text().contains("2 marked"));
    EXPECT_EQ(views[0]->tooltipAt(daysSinceEpoch(2015, 1)),
              "2015-01-01\nT-max: -0.23 oC\nT-min: -17.72 oC");
    EXPECT_EQ(climora::testing::expectNamedControls(*chart), 3);

    // A click on the mark of 20 July puts the input cursor on its line (1 + 200).
    std::size_t july20 = chart->marks()[1].row;
    QTest::mouseClick(views[1]->viewport(), Qt::LeftButton, {}, views[1]->markPosition(july20));
    EXPECT_EQ(window.inputGroup()->panel()->textCursor().blockNumber(), 201);
    EXPECT_TRUE(messenger.events().empty());
    climora::testing::saveScreenshot(chart, "chart-agrimet");
}

TEST_F(ChartThroughTheWindow, TheLastRunsNotesMarkTheirRowsInBothCharts) {
    const QString input = QStringLiteral("Station\n2020 1 20 5 0\n2020 2 21 6 500\n2020 3 22 7 1");
    window.setInputName("station.txt");
    window.setInputText(input.toStdString());
    window.inputGroup()->rowsBox()->setText(QStringLiteral("1"));
    const char* columns[][2] = {
        {"Year", ""}, {"DOY", ""}, {"T-max", "oC"}, {"T-min", "oC"}, {"Precip", "mm"}};
    for (int k = 0; k < 5; ++k) {
        ColumnSlotsWidget* slotsWidget = window.inputGroup()->slotsWidget();
        slotsWidget->variableBox(k)->setCurrentText(columns[k][0]);
        if (*columns[k][1])
            slotsWidget->unitBox(k)->setCurrentText(columns[k][1]);
    }
    window.taskGroup()->processButton()->click(); // task 1: the Agrovia layout
    const std::string note = "COLUMN 5 (Precip): above 400 mm in a day; 1 row, first on line 3";

    struct Case {
        QPushButton* button;
        std::size_t rows;
    };
    const Case charts[] = {{window.inputGroup()->chartButton(), 3},
                           {window.outputGroup()->findChild<QPushButton*>("chartButton"), 3}};
    for (const Case& c : charts) {
        c.button->click();
        ChartWindow* chart = openedChart();
        ASSERT_NE(chart, nullptr) << messenger.events().size();
        ASSERT_EQ(chart->table().rowCount(), c.rows);
        ASSERT_EQ(chart->marks().size(), 1u) << c.button->text().toStdString();
        EXPECT_EQ(chart->marks()[0].row, 1u);
        EXPECT_EQ(chart->marks()[0].reason, note);
        for (ChartPanelView* view : chart->views()) {
            EXPECT_EQ(view->markCount(), 1);
            EXPECT_TRUE(
                view->tooltipAt(daysSinceEpoch(2020, 2)).endsWith(QString::fromStdString(note)));
        }
        chart->close();
        delete chart;
    }

    // Once the panel holds another text, the notes concern it no more.
    window.setInputText((input + QStringLiteral("\n")).toStdString());
    window.inputGroup()->chartButton()->click();
    ASSERT_NE(openedChart(), nullptr);
    EXPECT_TRUE(openedChart()->marks().empty());
}

TEST_F(ChartThroughTheWindow, KeysZoomAndPanEveryChartTogether) {
    openAgrimetYear();
    window.inputGroup()->chartButton()->click();
    ChartWindow* chart = openedChart();
    ASSERT_NE(chart, nullptr);
    chart->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(chart));
    chart->views()[1]->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), chart->views()[1]);
    double allDays = chart->views()[0]->dayTo() - chart->views()[0]->dayFrom();
    for (int key : {Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Right})
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    ChartPanelView* top = chart->views()[0];
    EXPECT_NEAR(top->dayTo() - top->dayFrom(), allDays * 0.64, 1e-6);
    EXPECT_GT(top->dayFrom(), chart->views()[1]->dayFrom() - 1e-9);
    EXPECT_EQ(top->dayFrom(), chart->views()[1]->dayFrom());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    EXPECT_NEAR(top->dayTo() - top->dayFrom(), allDays, 1e-6);
}

TEST_F(ChartThroughTheWindow, EmptyOrUndatedPanelsSayThereIsNothingToChart) {
    const char* texts[] = {"", "header\n12 13 14\n15 16 17"};
    for (const char* text : texts) {
        window.inputGroup()->panel()->setPlainText(QString::fromLatin1(text));
        window.inputGroup()->chartButton()->click();
        window.outputGroup()->findChild<QPushButton*>("chartButton")->click();
    }
    EXPECT_EQ(openedChart(), nullptr);
    std::vector<std::string> expected;
    for (int i = 0; i < 4; ++i)
        expected.insert(expected.end(),
                        {"tone: exclamation", "information: No dated rows to chart."});
    EXPECT_EQ(messenger.events(), expected);
}

TEST_F(ChartThroughTheWindow, SavesPngAndSvgAndRemembersItsSize) {
    window.outputGroup()->setOutputLines(
        {"Station", "39.4575", "Year\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET",
         "\t\tMJ/m2\toC\toC\t%\tmm\tmm", "2015\t1\t9.41\t-0.2\t-17.7\t0\t0.0\t0.0",
         "2015\t2\t9.33\t3.0\t-16.0\t0\t1.5\t0.0"});
    window.outputGroup()->findChild<QPushButton*>("chartButton")->click();
    ChartWindow* chart = openedChart();
    ASSERT_NE(chart, nullptr);
    ASSERT_EQ(chart->views().size(), 3u);
    EXPECT_EQ(chart->views()[2]->drawnSeriesCount(), 2) << "solar and its clear-sky curve";

    TempFolder folder;
    struct Case {
        std::string entered;
        int filter;
        std::string written;
        std::string begins;
    };
    const Case cases[] = {{"year", 1, "year.png", "\x89PNG"}, {"year", 2, "year.svg", "<?xml"}};
    for (const Case& c : cases) {
        dialogs.nextSave = FileChoice{(folder / c.entered).string(), c.filter};
        chart->findChild<QPushButton*>("saveChartButton")->click();
        EXPECT_EQ(readFileBytes(folder / c.written).substr(0, c.begins.size()), c.begins);
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "year.svg.part"));

    chart->resize(777, 555);
    window.close(); // closes the chart window too
    ProgramSettings settings;
    settings.load(WorkFolder(home.workFolder()).file(ProgramSettings::fileName));
    EXPECT_EQ(settings.number("ChartWindow.width", 0), 777);
    EXPECT_EQ(settings.number("ChartWindow.height", 0), 555);
    EXPECT_TRUE(messenger.events().empty());
}
