#pragma once

#include "base/Messenger.h"
#include "input/ColumnSlots.h"

#include <array>
#include <string>

namespace climora {

// The columns of one run as the slots describe them.
struct ColumnSpec {
    int columnCount = 0;
    std::array<int, slotCount> variable{};
    std::array<int, slotCount> unitPosition{};
    // Unit text per measured variable (Solar .. Dewpoint), at most 15 characters.
    std::array<std::string, measuredPlaces> unitTexts{};

    const std::string& unitOf(int measuredVariable) const {
        return unitTexts.at(measuredVariable - firstMeasured);
    }
    // True when some slot within the column count holds the variable.
    bool holds(int variable) const;
};

// The window's other inputs that a run checks before it reads any data.
struct RunInputs {
    std::string inputName;
    std::string rowsText;
    int task = 0; // 1..7; 0 when no task is selected
    std::string task4Latitude;
    std::string task5Latitude;
};

// Each of these reports its failure (error tone, error box) and returns false.
bool theLastColumn(const ColumnSlots& slots, ColumnSpec& spec, Messenger& messenger);
// checkInputs reads the slots' variables from `spec`: call
// assignVariableIndexAndUnitIndexToColumn first.
bool checkInputs(const RunInputs& inputs, const ColumnSpec& spec, Messenger& messenger);
void assignVariableIndexAndUnitIndexToColumn(const ColumnSlots& slots, ColumnSpec& spec);
bool assignUnit(const ColumnSlots& slots, ColumnSpec& spec, Messenger& messenger);

} // namespace climora
