// Times the main window with a large input panel: filling the panel, reading
// it back for a command, "Align input data using tabs" and Process runs (task
// 3; task 1 up to the site dialog's "OK"; task 7, converted), each run with
// the output panel's finishing edits.
//   panel_tools [LINES]      (default 1000000), run offscreen
#include "app/ui/MainWindow.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "input/ui/RowsBox.h"
#include "methods/ui/Task7Page.h"
#include "output/DesktopOpener.h"
#include "output/ui/OutputGroup.h"
#include "pipeline/Calendar.h"
#include "pipeline/ui/SiteCoordinateDialog.h"
#include "pipeline/ui/TaskGroup.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedDesktopOpener.h"
#include "testing/ScriptedFileDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

std::vector<std::string> stationLines(long lines) {
    std::vector<std::string> panel = {"Station X", "Year DOY Tmax Tmin"};
    for (long i = 0; i < lines; ++i) {
        int doy = static_cast<int>(i % 365) + 1;
        panel.push_back(std::to_string(1900 + i / 365) + "," + std::to_string(doy) + ",25.4M," +
                        std::to_string(10 + doy % 7) + ".5");
    }
    return panel;
}

// Clean daily rows of every variable tasks 1 and 7 read, on a true calendar:
// Year, DOY, Solar (MJ/m2/d), T-max, T-min (oC), Precip (mm), RelHum (%),
// WndSpd (km/hr), after three header lines.
std::vector<std::string> weatherLines(long lines) {
    std::vector<std::string> panel = {"Station Y, daily weather", "Metric units",
                                      "Year,DOY,SR,MX,MN,PP,RH,WS"};
    int year = 1900, day = 1;
    for (long i = 0; i < lines; ++i) {
        int step = static_cast<int>(i % 10);
        panel.push_back(std::to_string(year) + "," + std::to_string(day) + "," +
                        std::to_string(12 + step) + ".5," + std::to_string(20 + step) + ".0," +
                        std::to_string(5 + step) + ".0,0." + std::to_string(step) + "," +
                        std::to_string(40 + 4 * step) + ",1" + std::to_string(step) + ".0");
        if (++day > (climora::isLeapYear(year) ? 366 : 365))
            day = 1, ++year;
    }
    return panel;
}

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9;
}

// Wall time, and CPU time, which a machine busy with other work changes less.
template <typename Step> void timed(const char* label, Step&& step) {
    QElapsedTimer timer;
    double cpuStart = cpuSeconds();
    timer.start();
    step();
    std::printf("%-32s %8.2f s  (CPU %.2f s)\n", label, timer.nsecsElapsed() / 1e9,
                cpuSeconds() - cpuStart);
    std::fflush(stdout);
}

void chooseColumns(climora::MainWindow& window, std::initializer_list<int> variables) {
    climora::ColumnSlotsWidget* slotsWidget = window.inputGroup()->slotsWidget();
    int k = 0;
    for (int variable : variables) {
        slotsWidget->variableBox(k)->setCurrentIndex(variable);
        slotsWidget->unitBox(k++)->setCurrentIndex(
            variable == climora::Year || variable == climora::DOY ? -1 : 0);
    }
}

void confirmSiteDialog(climora::MainWindow& window) {
    auto* dialog = window.findChild<climora::SiteCoordinateDialog*>();
    if (!dialog) {
        std::printf("no site dialog\n");
        return;
    }
    dialog->findChild<QLineEdit*>("latitudeBox")->setText("40.8");
    dialog->findChild<QLineEdit*>("longitudeBox")->setText("100");
    dialog->findChild<QLineEdit*>("elevationBox")->setText("300");
    dialog->findChild<QPushButton*>("okButton")->click();
}

void timeFinishedRuns(climora::MainWindow& window, long lines) {
    using namespace climora;
    window.show();
    QCoreApplication::processEvents();
    window.inputGroup()->setPanelLines(weatherLines(lines));
    window.inputGroup()->resetButton()->click();
    window.inputGroup()->rowsBox()->setText("3");
    chooseColumns(window, {Year, DOY, Solar, TMax, TMin, Precip, RelHum, WndSpd});
    window.taskGroup()->selectTask(1);
    timed("Process, task 1 + site OK", [&] {
        window.process();
        confirmSiteDialog(window);
    });
    std::printf("output panel: %d lines\n", window.outputGroup()->panel()->blockCount());
    window.taskGroup()->selectTask(7);
    auto* page = static_cast<Task7Page*>(window.taskGroup()->page(7));
    page->latitudeBox()->setText("40.8");
    page->findChild<QLineEdit*>("task7Elevation")->setText("300");
    timed("Process, task 7 (converted)", [&] { window.process(); });
    std::printf("output panel: %d lines\n", window.outputGroup()->panel()->blockCount());
}

} // namespace

int main(int argc, char** argv) {
    long lines = argc > 1 ? std::atol(argv[1]) : 1000000;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    climora::RecordingMessenger messenger;
    climora::ScriptedFileDialogs dialogs;
    climora::ScriptedDesktopOpener opener;
    climora::MainWindow window(QCoreApplication::applicationDirPath().toStdString() +
                                   "/../share/climora",
                               messenger, dialogs, opener);
    window.setInputName("station.txt");
    window.inputGroup()->rowsBox()->setText("2");
    std::vector<std::string> panel = stationLines(lines);
    std::printf("input panel: %ld data lines\n", lines);
    timed("fill the input panel", [&] { window.inputGroup()->setPanelLines(panel); });
    timed("read the panel's lines", [&] { panel = window.inputGroup()->panelLines(); });
    timed("align input data", [&] { window.alignInputData(); });
    chooseColumns(window, {climora::Year, climora::DOY, climora::TMax, climora::TMin});
    window.taskGroup()->selectTask(3);
    timed("Process, task 3", [&] { window.process(); });
    timeFinishedRuns(window, lines);
    std::printf("messages: %zu\n", messenger.events().size());
    for (const std::string& event : messenger.events())
        std::printf("  %s\n", event.c_str());
    return 0;
}
