// Makes the README's pictures of the chart window: the real station year
// of the AgriMet sample with the checkup's days marked, in a light and in a
// dark palette.
//
//   chart_pictures STATION_FILE OUTPUT_FOLDER
#include "app/ui/MainWindow.h"
#include "base/FileDialogs.h"
#include "charts/ui/ChartWindow.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "input/ui/RowsBox.h"
#include "methods/ui/Task4Page.h"
#include "output/DesktopOpener.h"
#include "pipeline/ui/TaskGroup.h"
#include "testing/RecordingMessenger.h"
#include "testing/ScriptedFileDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyleFactory>

#include <cstdio>
#include <filesystem>

using namespace climora;

namespace {

class NoDesktop : public DesktopOpener {
  public:
    bool open(const std::filesystem::path&) override { return false; }
};

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    p.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    p.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    p.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
    p.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    p.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
    return p;
}

bool picture(const QString& station, const QString& file) {
    RecordingMessenger messenger;
    ScriptedFileDialogs dialogs;
    NoDesktop opener;
    MainWindow window(CLIMORA_BENCH_SHIPPED_DIR, messenger, dialogs, opener);
    dialogs.nextOpen = FileChoice{station.toStdString(), 1};
    window.openInputFile();
    window.inputGroup()->rowsBox()->setText(QStringLiteral("1"));
    ColumnSlotsWidget* slotsWidget = window.inputGroup()->slotsWidget();
    const int variables[] = {Year, Month, Day, TMin, TMax, Solar};
    const int units[] = {-1, -1, -1, 1, 1, 1};
    for (int k = 0; k < 6; ++k) {
        slotsWidget->variableBox(k)->setCurrentIndex(variables[k]);
        slotsWidget->unitBox(k)->setCurrentIndex(units[k]);
    }
    static_cast<Task4Page*>(window.taskGroup()->page(4))->latitudeBox()->setText("39.4575");
    window.taskGroup()->selectTask(3);
    window.process(); // the checkup's report lands in the output panel
    window.inputGroup()->chartButton()->click();
    QList<ChartWindow*> charts = window.findChildren<ChartWindow*>();
    if (charts.isEmpty())
        return false;
    charts.back()->resize(960, 620);
    QApplication::processEvents();
    bool saved = charts.back()->grab().save(file, "PNG");
    window.close();
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: chart_pictures STATION_FILE OUTPUT_FOLDER\n");
        return 2;
    }
    std::filesystem::path home = std::filesystem::temp_directory_path() / "climora-chart-pictures";
    std::filesystem::create_directories(home);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.string()));
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QString station = QString::fromLocal8Bit(argv[1]);
    QString folder = QString::fromLocal8Bit(argv[2]);
    bool light = picture(station, folder + QStringLiteral("/chart-light.png"));
    QApplication::setPalette(darkPalette());
    bool dark = picture(station, folder + QStringLiteral("/chart-dark.png"));
    std::filesystem::remove_all(home);
    return light && dark ? 0 : 1;
}
