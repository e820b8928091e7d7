#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

// Positions in every slot's variable list; -1 means nothing is selected.
enum Variable : int {
    NoVariable = -1,
    Ignore = 0,
    Year = 1,
    Month = 2,
    Day = 3,
    DOY = 4,
    Solar = 5,
    TMax = 6,
    TMin = 7,
    Precip = 8,
    RelHum = 9,
    WndSpd = 10,
    SoilT = 11,
    ET = 12,
    PanEvap = 13,
    SunHr = 14,
    SunHrPercent = 15,
    YYDOY = 16,
    // Added after the original list, so stored templates keep their positions.
    Dewpoint = 17,
};

inline constexpr int variableCount = 18;
inline constexpr int slotCount = 12;
inline constexpr int firstMeasured = Solar;
inline constexpr int lastMeasured = SunHrPercent; // of the original list; Dewpoint too
// Places for the measured variables' values, Solar .. Dewpoint (YYDOY's unused).
inline constexpr int measuredPlaces = Dewpoint - firstMeasured + 1;

// The items of a variable box, in list order.
const std::array<std::string_view, variableCount>& variableNames();
// The unit list offered for a variable (empty for Ignore, dates and YYDOY).
const std::vector<std::string>& unitsOf(int variable);
bool isMeasured(int variable);
// RelHum, SunHr and SunHr%: their only unit is selected with the variable.
bool hasSingleUnit(int variable);
// The variable whose list item is `name`, or -1.
int variableFromName(std::string_view name);

} // namespace climora
