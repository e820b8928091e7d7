#include "charts/ui/ChartPanelView.h"

#include "charts/ui/ChartStyle.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QKeyEvent>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace climora {

namespace {

constexpr std::size_t clearSkySeries = std::numeric_limits<std::size_t>::max();
constexpr std::size_t noMark = std::numeric_limits<std::size_t>::max();
constexpr double minimumSpan = 5; // days
constexpr std::size_t drawnMarksLimit = 5000;

} // namespace

ChartPanelView::ChartPanelView(const PanelData& data, const DayIndex& index, QWidget* parent)
    : QChartView(parent), data_(data), index_(index), dates_(new QCategoryAxis),
      values_(new QValueAxis) {
    QString title = QString::fromStdString(data.panel.title);
    setObjectName(QStringLiteral("chart") + title.section(QLatin1Char(' '), 0, 0));
    setAccessibleName(title);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(170);

    QChart* c = chart();
    applyChartTheme(c, palette());
    c->setMargins(QMargins(4, 2, 4, 2));
    c->legend()->setAlignment(Qt::AlignTop);
    dates_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    c->addAxis(dates_, Qt::AlignBottom);
    c->addAxis(values_, Qt::AlignLeft);
    values_->setTitleText(title);
    values_->setLabelFormat(QStringLiteral("%.4g"));

    const std::vector<long long>& days = data.table->days;
    auto [low, high] = std::minmax_element(days.begin(), days.end());
    firstDay_ = low == days.end() ? 0 : double(*low);
    lastDay_ = high == days.end() ? 1 : std::max(double(*high), firstDay_ + 1);
    from_ = firstDay_;
    to_ = lastDay_;
    buildSeries();
    fitValueAxis();
    redraw();
}

void ChartPanelView::buildSeries() {
    const std::vector<DatedSeries>& series = data_.table->series;
    std::vector<std::size_t> left = data_.panel.series;
    if (data_.panel.kind == PanelKind::Temperature && left.size() >= 2 &&
        series[left[0]].kind == SeriesKind::TMax && series[left[1]].kind == SeriesKind::TMin)
        addTemperatureBand(left[0], left[1]);
    for (std::size_t s : left) {
        QString name = QString::fromStdString(series[s].name);
        if (series[s].kind == SeriesKind::Precip)
            addBars(s);
        else
            addLine(s, seriesColor(series[s].kind), seriesPenStyle(series[s].kind), name);
    }
    if (data_.panel.kind == PanelKind::Solar && data_.clearSky)
        addLine(clearSkySeries, clearSkyColor(), Qt::DashLine, QStringLiteral("Clear sky"));
    addMarks();
}

void ChartPanelView::addLine(std::size_t series, const QColor& color, Qt::PenStyle style,
                             const QString& name) {
    auto* line = new QLineSeries;
    line->setName(name);
    QPen pen(color, 1.4, style);
    line->setPen(pen);
    chart()->addSeries(line);
    line->attachAxis(dates_);
    line->attachAxis(values_);
    drawn_.push_back({line, series, false});
}

void ChartPanelView::addTemperatureBand(std::size_t upper, std::size_t lower) {
    bandUpper_ = new QLineSeries;
    bandLower_ = new QLineSeries;
    auto* band = new QAreaSeries(bandUpper_, bandLower_);
    band->setName(QStringLiteral("T-max to T-min"));
    band->setPen(Qt::NoPen);
    band->setBrush(bandColor());
    chart()->addSeries(band);
    band->attachAxis(dates_);
    band->attachAxis(values_);
    drawn_.push_back({bandUpper_, upper, false});
    drawn_.push_back({bandLower_, lower, false});
}

void ChartPanelView::addBars(std::size_t series) {
    auto* outline = new QLineSeries;
    auto* bars = new QAreaSeries(outline);
    bars->setName(QString::fromStdString(data_.table->series[series].name));
    QColor color = seriesColor(SeriesKind::Precip);
    bars->setPen(QPen(color, 1));
    bars->setBrush(color);
    chart()->addSeries(bars);
    bars->attachAxis(dates_);
    bars->attachAxis(values_);
    drawn_.push_back({outline, series, true});
}

void ChartPanelView::addMarks() {
    if (data_.marks->empty())
        return;
    marks_ = new QScatterSeries;
    marks_->setName(QStringLiteral("Marked"));
    marks_->setColor(markColor());
    marks_->setBorderColor(markColor().darker(150));
    marks_->setMarkerSize(8);
    chart()->addSeries(marks_);
    marks_->attachAxis(dates_);
    marks_->attachAxis(values_);
}

const std::vector<double>& ChartPanelView::valuesOf(const Drawn& drawn) const {
    if (drawn.series == clearSkySeries)
        return *data_.clearSky;
    return data_.table->series[drawn.series].values;
}

void ChartPanelView::fitValueAxis() {
    double low = std::numeric_limits<double>::infinity(), high = -low;
    for (const Drawn& d : drawn_)
        for (double v : valuesOf(d))
            if (!std::isnan(v)) {
                low = std::min(low, v);
                high = std::max(high, v);
            }
    if (low > high)
        low = 0, high = 1;
    bool fromZero = data_.panel.kind == PanelKind::Precipitation ||
                    data_.panel.kind == PanelKind::Evapotranspiration;
    if (fromZero || data_.panel.kind == PanelKind::Solar)
        low = std::min(low, 0.0);
    if (high - low < 1e-9)
        high = low + 1;
    values_->setRange(low, high);
    values_->applyNiceNumbers();
}

// Thins each series to about two points per pixel of the visible days.
void ChartPanelView::redraw() {
    RowRange rows = rowsBetween(data_.table->days, from_ - 1, to_ + 1);
    std::size_t buckets = std::max(50, int(chart()->plotArea().width()));
    const std::vector<long long>& days = data_.table->days;
    for (const Drawn& d : drawn_) {
        const std::vector<double>& values = valuesOf(d);
        QList<QPointF> points;
        for (std::size_t row : drawnRows(values, rows.first, rows.last, buckets, *data_.marked)) {
            double day = double(days[row]);
            if (!d.bars) {
                points.append({msOfDay(day), values[row]});
                continue;
            }
            points.append({msOfDay(day - 0.4), 0});
            points.append({msOfDay(day - 0.4), values[row]});
            points.append({msOfDay(day + 0.4), values[row]});
            points.append({msOfDay(day + 0.4), 0});
        }
        d.line->replace(points);
    }
    if (marks_) {
        QList<QPointF> points;
        for (const RowMark& mark : *data_.marks) {
            double day = double(days[mark.row]);
            double value = markValue(mark.row);
            if (day >= from_ && day <= to_ && !std::isnan(value) &&
                std::size_t(points.size()) < drawnMarksLimit)
                points.append({msOfDay(day), value});
        }
        marks_->replace(points);
    }
    dates_->setRange(msOfDay(from_), msOfDay(to_));
    configureDateAxis(dates_, from_, to_, chart()->plotArea().width());
}

double ChartPanelView::markValue(std::size_t row) const {
    for (std::size_t s : data_.panel.series) {
        double v = data_.table->series[s].values[row];
        if (!std::isnan(v))
            return v;
    }
    return std::nan("");
}

void ChartPanelView::setDayRange(double from, double to) {
    if (from == from_ && to == to_)
        return;
    from_ = from;
    to_ = to;
    redraw();
}

void ChartPanelView::showAllDays() {
    changeRange(firstDay_, lastDay_);
}

// Keeps the range inside the data and at least a few days wide.
void ChartPanelView::changeRange(double from, double to) {
    double span = std::min(std::max(to - from, minimumSpan), lastDay_ - firstDay_);
    from = std::clamp(from, firstDay_, lastDay_ - span);
    setDayRange(from, from + span);
    emit dayRangeChanged(from_, to_);
}

void ChartPanelView::zoomAround(double day, double factor) {
    changeRange(day - (day - from_) * factor, day + (to_ - day) * factor);
}

int ChartPanelView::markCount() const {
    return marks_ ? int(marks_->count()) : 0;
}

int ChartPanelView::drawnSeriesCount() const {
    return int(chart()->series().size());
}

double ChartPanelView::dayAt(const QPointF& position) const {
    return chart()->mapToValue(position, chart()->series().value(0)).x() / 86400000.0;
}

QPoint ChartPanelView::markPosition(std::size_t row) const {
    QPointF value(msOfDay(double(data_.table->days[row])), markValue(row));
    return chart()->mapToPosition(value, marks_).toPoint();
}

QString ChartPanelView::tooltipAt(double day) const {
    std::optional<std::size_t> row = index_.nearest(day);
    if (!row)
        return {};
    QString text = QString::fromStdString(isoDate(data_.table->days[*row]));
    for (std::size_t s : data_.panel.series) {
        const DatedSeries& series = data_.table->series[s];
        double v = series.values[*row];
        text += QStringLiteral("\n%1: %2 %3")
                    .arg(QString::fromStdString(series.name),
                         std::isnan(v) ? QStringLiteral("-") : QString::number(v, 'f', 2),
                         QString::fromStdString(series.unit));
    }
    if (data_.clearSky && data_.panel.kind == PanelKind::Solar)
        text += QStringLiteral("\nClear sky: %1 MJ/m2/d")
                    .arg(QString::number((*data_.clearSky)[*row], 'f', 2));
    for (const RowMark& mark : *data_.marks)
        if (mark.row == *row)
            text += QStringLiteral("\n") + QString::fromStdString(mark.reason);
    return text;
}

std::size_t ChartPanelView::nearestMark(const QPointF& position) const {
    if (!marks_)
        return noMark;
    std::size_t best = noMark;
    double bestDistance = 8; // pixels
    for (const RowMark& mark : *data_.marks) {
        double day = double(data_.table->days[mark.row]);
        if (day < from_ || day > to_ || std::isnan(markValue(mark.row)))
            continue;
        double distance = QLineF(QPointF(markPosition(mark.row)), position).length();
        if (distance < bestDistance) {
            bestDistance = distance;
            best = mark.row;
        }
    }
    return best;
}

void ChartPanelView::wheelEvent(QWheelEvent* event) {
    double factor = event->angleDelta().y() > 0 ? 0.8 : 1.25;
    zoomAround(dayAt(event->position()), factor);
    event->accept();
}

void ChartPanelView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QChartView::mousePressEvent(event);
    pressAt_ = event->position();
    pressFrom_ = from_;
    pressTo_ = to_;
    dragging_ = true;
    event->accept();
}

void ChartPanelView::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        double width = std::max(1.0, chart()->plotArea().width());
        double shift = (event->position().x() - pressAt_.x()) / width * (pressTo_ - pressFrom_);
        changeRange(pressFrom_ - shift, pressTo_ - shift);
    } else if (chart()->plotArea().contains(event->position())) {
        QToolTip::showText(event->globalPosition().toPoint(), tooltipAt(dayAt(event->position())),
                           this);
    }
    event->accept();
}

void ChartPanelView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QChartView::mouseReleaseEvent(event);
    dragging_ = false;
    if ((event->position() - pressAt_).manhattanLength() < 4) {
        std::size_t row = nearestMark(event->position());
        if (row != noMark)
            emit markActivated(row);
    }
    event->accept();
}

void ChartPanelView::keyPressEvent(QKeyEvent* event) {
    double middle = (from_ + to_) / 2, step = (to_ - from_) / 5;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomAround(middle, 0.8);
        break;
    case Qt::Key_Minus:
        zoomAround(middle, 1.25);
        break;
    case Qt::Key_Left:
        changeRange(from_ - step, to_ - step);
        break;
    case Qt::Key_Right:
        changeRange(from_ + step, to_ + step);
        break;
    case Qt::Key_Home:
        showAllDays();
        break;
    default:
        return QChartView::keyPressEvent(event);
    }
    event->accept();
}

void ChartPanelView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    placePlotArea();
    redraw();
}

// The same plot area in every chart of the window, so their dates line up
// whatever the width of the value labels and the legend.
void ChartPanelView::placePlotArea() {
    constexpr double left = 78, right = 18, top = 30, bottom = 30;
    QRectF area(left, top, std::max(10.0, width() - left - right),
                std::max(10.0, height() - top - bottom));
    chart()->setPlotArea(area);
}

} // namespace climora
