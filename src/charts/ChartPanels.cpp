#include "charts/ChartPanels.h"

#include "methods/SolarGeometry.h"

#include <chrono>

namespace climora {

namespace {

struct PanelOf {
    SeriesKind series;
    PanelKind panel;
};

constexpr PanelOf panelOfSeries[] = {
    {SeriesKind::TMax, PanelKind::Temperature},
    {SeriesKind::TMin, PanelKind::Temperature},
    {SeriesKind::SoilT, PanelKind::Temperature},
    {SeriesKind::Precip, PanelKind::Precipitation},
    {SeriesKind::Solar, PanelKind::Solar},
    {SeriesKind::EstimatedSolar, PanelKind::Solar},
    {SeriesKind::RelHum, PanelKind::Humidity},
    {SeriesKind::WndSpd, PanelKind::Wind},
    {SeriesKind::ET, PanelKind::Evapotranspiration},
    {SeriesKind::EstimatedET, PanelKind::Evapotranspiration},
    {SeriesKind::PanEvap, PanelKind::Evapotranspiration},
    {SeriesKind::SunHr, PanelKind::Sunshine},
    {SeriesKind::SunHrPercent, PanelKind::Sunshine},
};

struct PanelTitle {
    PanelKind kind;
    const char* title;
};

constexpr PanelTitle panelTitles[] = {
    {PanelKind::Temperature, "Temperature (oC)"},
    {PanelKind::Precipitation, "Precipitation (mm)"},
    {PanelKind::Solar, "Solar (MJ/m2/d)"},
    {PanelKind::Humidity, "RelHum (%)"},
    {PanelKind::Wind, "Wind (m/s)"},
    {PanelKind::Evapotranspiration, "ET (mm)"},
    {PanelKind::Sunshine, "Sunshine"},
};

} // namespace

std::vector<ChartPanel> chartPanels(const ChartTable& table) {
    std::vector<ChartPanel> panels;
    for (const PanelTitle& p : panelTitles) {
        ChartPanel panel{p.kind, p.title, {}};
        for (const PanelOf& entry : panelOfSeries)
            for (std::size_t i = 0; i < table.series.size(); ++i)
                if (entry.panel == p.kind && table.series[i].kind == entry.series)
                    panel.series.push_back(i);
        if (!panel.series.empty())
            panels.push_back(std::move(panel));
    }
    return panels;
}

std::vector<double> clearSkyRadiation(const ChartTable& table, double latitudeDegrees) {
    using namespace std::chrono;
    DayGeometryCache geometry(latitudeInRadians(latitudeDegrees), angstromConstantsOf(0));
    std::vector<double> values;
    values.reserve(table.rowCount());
    for (long long day : table.days) {
        sys_days date{days{day}};
        year_month_day ymd{date};
        int dayOfYear = int((date - sys_days{ymd.year() / January / 1}).count()) + 1;
        values.push_back(geometry.of(dayOfYear).rso);
    }
    return values;
}

} // namespace climora
