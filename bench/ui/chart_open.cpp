// Measures how long the chart window takes to open for the input panel:
// from the "Chart input" click until every chart has been painted once.
//
//   chart_open [rows ...]      (QT_QPA_PLATFORM=offscreen without a display)
//
// Default sizes: 11000 rows (30 years of days) and 1000000 rows.
#include "app/ui/MainWindow.h"
#include "base/FileDialogs.h"
#include "charts/ui/ChartPanelView.h"
#include "charts/ui/ChartWindow.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "input/ui/RowsBox.h"
#include "output/DesktopOpener.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedFileDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

using namespace climora;

namespace {

class NoDesktop : public DesktopOpener {
  public:
    bool open(const std::filesystem::path&) override { return false; }
};

// A station file of `rows` days: Year, DOY, Solar, T-max, T-min, Precip.
QString stationText(long rows) {
    std::string text = "Year DOY Solar Tmax Tmin Precip\n";
    text.reserve(std::size_t(rows) * 36);
    char line[96];
    int year = 1000, day = 1;
    for (long i = 0; i < rows; ++i) {
        double season = std::sin(day / 58.1);
        std::snprintf(line, sizeof line, "%d %d %.2f %.1f %.1f %.1f\n", year, day, 18 + 10 * season,
                      20 + 12 * season + (i % 7), 5 + 10 * season,
                      (i % 11 == 0) ? double(i % 23) : 0.0);
        text += line;
        if (++day > 365)
            day = 1, ++year;
    }
    return QString::fromStdString(text);
}

double openSeconds(MainWindow& window) {
    QElapsedTimer timer;
    timer.start();
    window.inputGroup()->chartButton()->click();
    QList<ChartWindow*> charts = window.findChildren<ChartWindow*>();
    if (charts.isEmpty())
        return -1;
    for (ChartPanelView* view : charts.back()->views())
        view->viewport()->repaint();
    QApplication::processEvents();
    double seconds = timer.nsecsElapsed() / 1e9;
    charts.back()->close();
    QApplication::processEvents();
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::filesystem::path home = std::filesystem::temp_directory_path() / "climora-chart-bench";
    std::filesystem::create_directories(home);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.string()));
    QApplication app(argc, argv);
    RecordingMessenger messenger;
    ScriptedFileDialogs dialogs;
    NoDesktop opener;
    MainWindow window(CLIMORA_BENCH_SHIPPED_DIR, messenger, dialogs, opener);
    window.inputGroup()->rowsBox()->setText(QStringLiteral("1"));
    ColumnSlotsWidget* slotsWidget = window.inputGroup()->slotsWidget();
    const int variables[] = {Year, DOY, Solar, TMax, TMin, Precip};
    const int units[] = {-1, -1, 0, 0, 0, 0};
    for (int k = 0; k < 6; ++k) {
        slotsWidget->variableBox(k)->setCurrentIndex(variables[k]);
        slotsWidget->unitBox(k)->setCurrentIndex(units[k]);
    }
    std::vector<long> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atol(argv[i]));
    if (sizes.empty())
        sizes = {11000, 1000000};
    for (long rows : sizes) {
        window.inputGroup()->panel()->setPlainText(stationText(rows));
        double best = 1e9;
        for (int run = 0; run < 3; ++run)
            best = std::min(best, openSeconds(window));
        std::printf("chart_open %8ld rows: %.3f s (best of 3)\n", rows, best);
    }
    std::filesystem::remove_all(home);
    return 0;
}
