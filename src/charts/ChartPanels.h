#pragma once

#include "charts/ChartTable.h"

#include <string>
#include <vector>

namespace climora {

enum class PanelKind {
    Temperature,
    Precipitation,
    Solar,
    Humidity,
    Wind,
    Evapotranspiration,
    Sunshine
};

// One chart of the stacked window: its series (indices into the table's),
// in drawing order, and its axis title.
struct ChartPanel {
    PanelKind kind;
    std::string title;
    std::vector<std::size_t> series;
};

// The charts for a table, top to bottom: temperatures (T-max, T-min,
// Soil-T), precipitation, solar radiation (measured and estimated),
// relative humidity, wind, ET (measured, estimated, pan evaporation), then
// sunshine. A chart without series is left out.
std::vector<ChartPanel> chartPanels(const ChartTable& table);

// The clear-sky radiation (MJ/m2/d) of every row's day at a latitude in
// decimal degrees.
std::vector<double> clearSkyRadiation(const ChartTable& table, double latitudeDegrees);

} // namespace climora
