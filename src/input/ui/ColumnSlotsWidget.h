#pragma once

#include "input/ColumnSlots.h"

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QStyle;

namespace climora {

// Widens the open list of a drop-down to its longest item.
void fitListWidth(QComboBox* box);

// The 12 column slots: a number label, a variable box and a unit box each,
// laid out by the spacer rule. The widget keeps the core model and shows it.
class ColumnSlotsWidget : public QWidget {
    Q_OBJECT
  public:
    explicit ColumnSlotsWidget(QWidget* parent = nullptr);

    const ColumnSlots& columnSlots() const { return slots_; }
    // Replaces the model (a template was applied) and shows it.
    void setColumnSlots(const ColumnSlots& model);
    // "Reset": no selections; unit lists keep their items.
    void resetSelections();

    int spacerPosition() const { return spacer_; }
    void setSpacerPosition(int position);
    // Multiplies the pixel geometry (proportional rescaling of the window).
    void setScale(double scale);

    QComboBox* variableBox(int slot) const { return variableBoxes_[slot]; }
    QComboBox* unitBox(int slot) const { return unitBoxes_[slot]; }

  signals:
    void slotsChanged();
    // The boxes moved or changed size (spacer or scale).
    void layoutChanged();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void variableChosen(int slot, int variable);
    void unitChosen(int slot, int unit);
    void showSlot(int slot);
    void updateBackgrounds();
    void alignColumnBoxes();
    void fitSlotFont();

    QStyle* boxStyle_;
    ColumnSlots slots_;
    std::array<QComboBox*, slotCount> variableBoxes_{};
    std::array<QComboBox*, slotCount> unitBoxes_{};
    std::array<QLabel*, slotCount> numberLabels_{};
    std::array<QLabel*, 3> captions_{};
    int spacer_ = 0;
    double scale_ = 1.0;
    bool showing_ = false;
};

} // namespace climora
