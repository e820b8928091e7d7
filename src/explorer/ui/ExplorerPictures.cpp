#include "explorer/ui/ExplorerPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QtMath>

namespace climora {
namespace {

constexpr int iconSize = 32;

QPixmap blankIcon() {
    QPixmap pixmap(iconSize, iconSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon favoriteIcon() {
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        double radius = i % 2 == 0 ? 15.0 : 6.5;
        double angle = qDegreesToRadians(-90.0 + i * 36.0);
        star << QPointF(16 + radius * qCos(angle), 17 + radius * qSin(angle));
    }
    painter.setPen(QPen(QColor(160, 110, 0), 1.5));
    painter.setBrush(QColor(255, 200, 40));
    painter.drawPolygon(star);
    return QIcon(pixmap);
}

QIcon stopIcon(bool active) {
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        double angle = qDegreesToRadians(22.5 + i * 45.0);
        octagon << QPointF(16 + 14 * qCos(angle), 16 + 14 * qSin(angle));
    }
    painter.setPen(QPen(active ? QColor(120, 0, 0) : QColor(90, 90, 90), 1.5));
    painter.setBrush(active ? QColor(210, 30, 30) : QColor(170, 170, 170));
    painter.drawPolygon(octagon);
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(11, 11), QPointF(21, 21));
    painter.drawLine(QPointF(21, 11), QPointF(11, 21));
    return QIcon(pixmap);
}

} // namespace climora
