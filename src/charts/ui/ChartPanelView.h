#pragma once

#include "charts/ChartPanels.h"
#include "charts/Decimation.h"

#include <QChartView>

#include <vector>

class QAbstractSeries;
class QCategoryAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace climora {

// What one stacked chart draws: the panel's series of the table, the
// clear-sky curve for solar radiation, and the marked rows.
struct PanelData {
    const ChartTable* table;
    ChartPanel panel;
    const std::vector<RowMark>* marks;
    const std::vector<bool>* marked;     // per row
    const std::vector<double>* clearSky; // per row, or null
};

// One chart of the chart window. The date range is shared with the other
// charts through dayRangeChanged/setDayRange. The wheel and the + and -
// keys zoom, a drag and the arrow keys pan, Home shows everything; the
// tooltip names the nearest row's date and values; a click on a red mark
// reports its row. Only the points drawn are thinned; the tooltip reads
// the table.
class ChartPanelView : public QChartView {
    Q_OBJECT
  public:
    ChartPanelView(const PanelData& data, const DayIndex& index, QWidget* parent = nullptr);

    void setDayRange(double from, double to);
    double dayFrom() const { return from_; }
    double dayTo() const { return to_; }
    void showAllDays();
    int markCount() const;
    // The drawn series (bands, bars and lines, marks and clear-sky included).
    int drawnSeriesCount() const;
    // The tooltip text for a day.
    QString tooltipAt(double day) const;
    // Where a row's mark is drawn, in this view's coordinates.
    QPoint markPosition(std::size_t row) const;

  signals:
    void dayRangeChanged(double from, double to);
    void markActivated(std::size_t row);

  protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placePlotArea();

  private:
    struct Drawn {
        QLineSeries* line;
        std::size_t series; // index into the table's series, or npos: clear sky
        bool bars;
    };
    void buildSeries();
    void addLine(std::size_t series, const QColor& color, Qt::PenStyle style, const QString& name);
    void addTemperatureBand(std::size_t upper, std::size_t lower);
    void addBars(std::size_t series);
    void addMarks();
    void fitValueAxis();
    void redraw();
    void zoomAround(double day, double factor);
    void changeRange(double from, double to);
    const std::vector<double>& valuesOf(const Drawn& drawn) const;
    double markValue(std::size_t row) const;
    double dayAt(const QPointF& position) const;
    std::size_t nearestMark(const QPointF& position) const;

    PanelData data_;
    const DayIndex& index_;
    QCategoryAxis* dates_;
    QValueAxis* values_;
    std::vector<Drawn> drawn_;
    QLineSeries* bandUpper_ = nullptr;
    QLineSeries* bandLower_ = nullptr;
    QScatterSeries* marks_ = nullptr;
    double firstDay_ = 0, lastDay_ = 0;
    double from_ = 0, to_ = 0;
    QPointF pressAt_;
    double pressFrom_ = 0, pressTo_ = 0;
    bool dragging_ = false;
};

// Milliseconds since 1970 of a day count, as the date axis counts.
inline double msOfDay(double day) {
    return day * 86400000.0;
}

} // namespace climora
