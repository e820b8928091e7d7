#pragma once

#include "charts/ChartTable.h"

#include <QColor>
#include <QPalette>

class QChart;
class QCategoryAxis;

namespace climora {

// Light or dark chart theme after the window's palette; the chart's
// background follows the window.
void applyChartTheme(QChart* chart, const QPalette& palette);

QColor seriesColor(SeriesKind kind);
// Estimates are dashed, pan evaporation dotted, measured values solid.
Qt::PenStyle seriesPenStyle(SeriesKind kind);
QColor clearSkyColor();
QColor bandColor();
QColor markColor();

// Labels the date axis on whole days, month starts or year starts for the
// days [fromDay, toDay] over `widthPixels`, few enough never to run into
// each other. The axis counts milliseconds since 1970.
void configureDateAxis(QCategoryAxis* axis, double fromDay, double toDay, double widthPixels);

} // namespace climora
