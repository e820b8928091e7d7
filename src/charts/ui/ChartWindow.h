#pragma once

#include "base/FileDialogs.h"
#include "base/Messenger.h"
#include "base/WorkFolder.h"
#include "charts/ChartPanels.h"
#include "charts/Decimation.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QVBoxLayout;

namespace climora {

class ChartPanelView;

// What a chart window shows: the dated rows of a panel and the lines some
// check found fault with.
struct ChartRequest {
    ChartTable table;
    std::vector<LineMark> lineMarks;
    QString caption; // "input panel" or "output panel"
};

// The non-modal chart window: one chart per variable, stacked over a shared
// date range, "Save chart..." (PNG or SVG), "Copy" and a status line. Its
// size is remembered in the work folder's program settings.
class ChartWindow : public QWidget {
    Q_OBJECT
  public:
    ChartWindow(ChartRequest request, Messenger& messenger, FileDialogs& dialogs,
                const WorkFolder& work, QWidget* parent = nullptr);
    ~ChartWindow() override;

    std::vector<ChartPanelView*> views() const { return views_; }
    const std::vector<RowMark>& marks() const { return marks_; }
    const ChartTable& table() const { return request_.table; }
    QLabel* statusLine() const { return status_; }
    QImage image() const;
    // Writes the charts as PNG, or as SVG when the name ends in ".svg",
    // beside the target first. False when the file cannot be written.
    bool saveImage(const QString& path) const;
    void saveChart();
    void copyChart();

  signals:
    // A mark was clicked: the panel line of its row.
    void lineActivated(long long line);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildCharts();
    QWidget* buildButtons();
    void rememberSize() const;

    ChartRequest request_;
    Messenger& messenger_;
    FileDialogs& dialogs_;
    const WorkFolder& work_;
    std::vector<RowMark> marks_;
    std::vector<bool> marked_;
    std::vector<double> clearSky_;
    std::unique_ptr<DayIndex> index_;
    std::vector<ChartPanelView*> views_;
    QWidget* charts_ = nullptr;
    QLabel* status_ = nullptr;
};

inline constexpr const char* noDatedRowsText = "No dated rows to chart.";

// Opens a chart window for the request, or says "No dated rows to chart."
// when it holds no rows. The window belongs to `parent` and deletes itself
// when closed.
ChartWindow* openChartWindow(ChartRequest request, Messenger& messenger, FileDialogs& dialogs,
                             const WorkFolder& work, QWidget* parent);

} // namespace climora
