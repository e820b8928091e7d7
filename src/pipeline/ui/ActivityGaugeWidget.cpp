#include "pipeline/ui/ActivityGaugeWidget.h"

#include <QPainter>
#include <QtMath>

namespace climora {
namespace {

constexpr int stepsPerTurn = 1000;
// The clock is read only every so many steps; a repaint at most this often.
constexpr int stepsBetweenChecks = 200;
constexpr auto paintInterval = std::chrono::milliseconds(40);

} // namespace

ActivityGaugeWidget::ActivityGaugeWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("activityGauge"));
    setAccessibleName(QStringLiteral("Activity gauge"));
    setMinimumSize(48, 30);
    QWidget::hide();
}

void ActivityGaugeWidget::show() {
    QWidget::show();
    repaintNow();
}

void ActivityGaugeWidget::hide() {
    QWidget::hide();
}

void ActivityGaugeWidget::step() {
    position_ = (position_ + 1) % stepsPerTurn;
    if (++sinceCheck_ < stepsBetweenChecks)
        return;
    sinceCheck_ = 0;
    if (std::chrono::steady_clock::now() - lastPaint_ >= paintInterval)
        repaintNow();
}

void ActivityGaugeWidget::repaintNow() {
    lastPaint_ = std::chrono::steady_clock::now();
    if (isVisible())
        repaint(); // paints at once, without the event loop
}

void ActivityGaugeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = qMin(width() / 2.0, static_cast<qreal>(height())) - 3;
    const QPointF centre(width() / 2.0, height() - 2.0);
    const QRectF dial(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);

    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawPie(dial, 0, 180 * 16);

    // The needle runs from the left (0) over the top to the right (999).
    const qreal angle = qDegreesToRadians(180.0 - 180.0 * position_ / (stepsPerTurn - 1));
    const QPointF tip(centre.x() + (radius - 2) * qCos(angle),
                      centre.y() - (radius - 2) * qSin(angle));
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, tip);
}

} // namespace climora
