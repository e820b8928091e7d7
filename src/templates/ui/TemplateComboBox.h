#pragma once

#include "templates/TemplateStore.h"

#include <QComboBox>

#include <optional>
#include <string>
#include <vector>

namespace climora {

// The main window's "Data template" drop-down: a selection-only list of the
// template names, kept sorted. Its background is yellow until a template
// has been applied and shows a name (see colourAfterApply).
class TemplateComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit TemplateComboBox(QWidget* parent = nullptr);

    // Replaces the items with the names, sorted; nothing is selected and the
    // colour stays as it is.
    void setNames(const std::vector<std::string>& names);
    std::vector<std::string> names() const;
    // The name the drop-down shows; nothing when no item is selected.
    std::optional<std::string> selectedName() const;
    // Selects an item by position (-1: none) without announcing a choice.
    void selectPosition(int position);

    // Sets the background as an apply or retrieve with this outcome requires.
    void showApplyOutcome(ApplyOutcome outcome);
    void setColour(TemplateBoxColour colour);
    TemplateBoxColour colour() const { return colour_; }

  signals:
    // The user chose an item (also when choosing the item already shown).
    void templateChosen();

  private:
    TemplateBoxColour colour_ = initialTemplateBoxColour;
};

} // namespace climora
