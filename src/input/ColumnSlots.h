#pragma once

#include "input/Variables.h"

#include <array>
#include <string>
#include <vector>

namespace climora {

// One column slot: the selected variable and unit positions and the items
// its unit box holds at the moment.
struct ColumnSlot {
    int variable = NoVariable;
    int unit = -1;
    std::vector<std::string> unitItems;

    // The selected unit's text, empty when none is selected.
    std::string unitText() const;
};

// The 12 column slots as the window shows them.
class ColumnSlots {
  public:
    ColumnSlot& operator[](int slot) { return slots_.at(slot); }
    const ColumnSlot& operator[](int slot) const { return slots_.at(slot); }

    // The user chose a variable in a slot (0-based): empty its unit list,
    // then fill it for the variable with nothing selected.
    void chooseVariable(int slot, int variable);
    // Appends the variable's units to the slot's unit list and selects
    // `unitPosition` (the only unit for single-unit variables). Slots
    // without a measured variable are left untouched.
    void unitDisplayControl(int slot, int unitPosition);
    // Selects a variable without touching the unit list.
    void variableDisplay(int slot, int variable) { slots_.at(slot).variable = variable; }
    void clearUnitBoxes();
    // "Reset": no variable and no unit selected; unit lists keep their items.
    void resetSelections();

  private:
    std::array<ColumnSlot, slotCount> slots_{};
};

// Spacer geometry: every box is 62 + p pixels wide; boxes stand
// (62 + p - 6) pixels apart; labels are centred 12 pixels left of the middle.
struct SlotGeometry {
    int boxWidth;
    int pitch;
    int labelOffset;
};
SlotGeometry slotGeometry(int spacerPosition);
inline constexpr int spacerMinimum = -20;
inline constexpr int spacerMaximum = 100;

} // namespace climora
