// Times the main window with a large input panel: filling the panel, reading
// it back for a command, "Align input data using tabs" and a Process run.
//   panel_tools [LINES]      (default 1000000), run offscreen
#include "app/ui/MainWindow.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "input/ui/RowsBox.h"
#include "output/DesktopOpener.h"
#include "output/ui/OutputGroup.h"
#include "pipeline/ui/TaskGroup.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedDesktopOpener.h"
#include "testing/ScriptedFileDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
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

template <typename Step> void timed(const char* label, Step&& step) {
    QElapsedTimer timer;
    timer.start();
    step();
    std::printf("%-28s %8.2f s\n", label, timer.nsecsElapsed() / 1e9);
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
    climora::ColumnSlotsWidget* slotsWidget = window.inputGroup()->slotsWidget();
    const int variables[] = {climora::Year, climora::DOY, climora::TMax, climora::TMin};
    for (int k = 0; k < 4; ++k) {
        slotsWidget->variableBox(k)->setCurrentIndex(variables[k]);
        slotsWidget->unitBox(k)->setCurrentIndex(0);
    }
    window.taskGroup()->selectTask(3);
    timed("Process, task 3", [&] { window.process(); });
    std::printf("messages: %zu\n", messenger.events().size());
    for (const std::string& event : messenger.events())
        std::printf("  %s\n", event.c_str());
    return 0;
}
