#pragma once

#include <string>

namespace climora {

// The settings on the pages of the estimating tasks, as the user left them.
// Number fields are kept as typed; the tasks read them when they start.
struct EstimationSettings {
    std::string task4Latitude;
    int solarRegion = 1; // 1 Mid-West of USA, 2 continental, 3 coastal
    std::string task5Latitude;
    int climateZone = 1;
    int panKind = 1;
    std::string fetch = "1000";
    std::string task7Latitude;
    std::string elevation;

    bool operator==(const EstimationSettings&) const = default;
};

} // namespace climora
