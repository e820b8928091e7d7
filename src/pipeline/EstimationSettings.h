#pragma once

#include <string>

namespace climora {

// The reference surface of task 7: the alfalfa reference as 1.3 x the FAO
// Penman-Monteith grass ET0, or one of the published daily references.
enum class EtReference { Alfalfa, Grass, AsceShort, AsceTall };

// The settings on the pages of the estimating tasks, as the user left them.
// Number fields are kept as typed; the tasks read them when they start.
struct EstimationSettings {
    std::string task4Latitude;
    int solarRegion = 1; // 1 Mid-West of USA, 2 continental, 3 coastal
    std::string task5Latitude;
    int climateZone = 1; // 1 cold / temperate, 2 dry tropical, 3 humid tropical
    int panKind = 1;     // 1..4 Class-A green, Class-A dry, Colorado green, Colorado dry; 5 unknown
    std::string fetch = "1000"; // metres, a whole number; empty means 500
    std::string task7Latitude;
    std::string elevation;
    EtReference reference = EtReference::Alfalfa;
    std::string windHeight = "2"; // metres above the ground

    bool operator==(const EstimationSettings&) const = default;
};

} // namespace climora
