#include "charts/ui/ChartStyle.h"

#include <QCategoryAxis>
#include <QChart>
#include <QDate>
#include <QFont>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace climora {

void applyChartTheme(QChart* chart, const QPalette& palette) {
    bool dark = palette.color(QPalette::Window).lightness() < 128;
    chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setBackgroundBrush(palette.color(QPalette::Base));
    chart->setBackgroundRoundness(0);
    QFont small = chart->font();
    small.setPointSizeF(std::max(7.0, small.pointSizeF() - 1));
    chart->legend()->setFont(small);
    chart->legend()->setLabelColor(palette.color(QPalette::Text));
}

QColor seriesColor(SeriesKind kind) {
    switch (kind) {
    case SeriesKind::TMax:
        return QColor(0xe6, 0x73, 0x0f);
    case SeriesKind::TMin:
        return QColor(0x1f, 0x77, 0xb4);
    case SeriesKind::SoilT:
        return QColor(0x8c, 0x56, 0x4b);
    case SeriesKind::Precip:
        return QColor(0x3b, 0x8e, 0xd8);
    case SeriesKind::Solar:
    case SeriesKind::EstimatedSolar:
        return QColor(0xd4, 0x9a, 0x00);
    case SeriesKind::RelHum:
        return QColor(0x17, 0xa2, 0xb8);
    case SeriesKind::WndSpd:
        return QColor(0x8c, 0x6b, 0xb1);
    case SeriesKind::ET:
        return QColor(0x2c, 0xa0, 0x2c);
    case SeriesKind::EstimatedET:
        return QColor(0xc2, 0x18, 0x8b);
    case SeriesKind::PanEvap:
        return QColor(0x6b, 0x8e, 0x23);
    default:
        return QColor(0x7f, 0x7f, 0x7f);
    }
}

Qt::PenStyle seriesPenStyle(SeriesKind kind) {
    if (kind == SeriesKind::EstimatedET || kind == SeriesKind::EstimatedSolar)
        return Qt::DashLine;
    return kind == SeriesKind::PanEvap ? Qt::DotLine : Qt::SolidLine;
}

QColor clearSkyColor() {
    return QColor(0x90, 0x90, 0x90);
}

QColor bandColor() {
    return QColor(0xe6, 0x73, 0x0f, 60);
}

QColor markColor() {
    return QColor(0xe0, 0x10, 0x10);
}

namespace {

QDate dateOfDay(long long day) {
    return QDate(1970, 1, 1).addDays(day);
}

void addLabel(QCategoryAxis* axis, long long day, const char* format) {
    axis->append(dateOfDay(day).toString(QString::fromLatin1(format)), day * 86400000.0);
}

void labelDays(QCategoryAxis* axis, double fromDay, double toDay, int step) {
    auto first = static_cast<long long>(std::ceil(fromDay / step)) * step;
    for (long long day = first; day <= toDay; day += step)
        addLabel(axis, day, "d MMM");
}

void labelMonths(QCategoryAxis* axis, double fromDay, double toDay, int step) {
    using namespace std::chrono;
    year_month_day start{sys_days{days{static_cast<long long>(std::floor(fromDay))}}};
    year_month month{start.year(), start.month()};
    auto index = [](year_month m) { return int(m.year()) * 12 + int(unsigned(m.month())) - 1; };
    while (sys_days{month / 1}.time_since_epoch().count() < fromDay || index(month) % step != 0)
        month += months{1};
    for (; sys_days{month / 1}.time_since_epoch().count() <= toDay; month += months{step})
        addLabel(axis, sys_days{month / 1}.time_since_epoch().count(),
                 step >= 12 ? "yyyy" : "MMM yyyy");
}

} // namespace

void configureDateAxis(QCategoryAxis* axis, double fromDay, double toDay, double widthPixels) {
    const QStringList old = axis->categoriesLabels();
    for (const QString& label : old)
        axis->remove(label);
    axis->setStartValue(fromDay * 86400000.0);
    double labels = std::clamp(widthPixels / 95, 2.0, 14.0);
    double daysPerLabel = (toDay - fromDay) / labels;
    for (int step : {1, 2, 7, 14})
        if (daysPerLabel <= step)
            return labelDays(axis, fromDay, toDay, step);
    for (int step : {1, 2, 3, 6, 12, 24, 60, 120, 240, 600, 1200})
        if (daysPerLabel <= step * 30.4 || step == 1200)
            return labelMonths(axis, fromDay, toDay, step);
}

} // namespace climora
