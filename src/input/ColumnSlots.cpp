#include "input/ColumnSlots.h"

namespace climora {

std::string ColumnSlot::unitText() const {
    if (unit < 0 || unit >= static_cast<int>(unitItems.size()))
        return {};
    return unitItems[unit];
}

void ColumnSlots::chooseVariable(int slot, int variable) {
    ColumnSlot& s = slots_.at(slot);
    s.variable = variable;
    s.unitItems.clear();
    s.unit = -1;
    unitDisplayControl(slot, -1);
}

void ColumnSlots::unitDisplayControl(int slot, int unitPosition) {
    ColumnSlot& s = slots_.at(slot);
    if (!isMeasured(s.variable))
        return;
    const std::vector<std::string>& units = unitsOf(s.variable);
    s.unitItems.insert(s.unitItems.end(), units.begin(), units.end());
    int position = hasSingleUnit(s.variable) ? 0 : unitPosition;
    s.unit = position >= 0 && position < static_cast<int>(s.unitItems.size()) ? position : -1;
}

void ColumnSlots::clearUnitBoxes() {
    for (ColumnSlot& s : slots_) {
        s.unitItems.clear();
        s.unit = -1;
    }
}

void ColumnSlots::resetSelections() {
    for (ColumnSlot& s : slots_) {
        s.variable = NoVariable;
        s.unit = -1;
    }
}

SlotGeometry slotGeometry(int spacerPosition) {
    int width = 62 + spacerPosition;
    return {width, width - 6, width / 2 - 12};
}

} // namespace climora
