#pragma once

#include <QComboBox>

namespace climora {

// An editable drop-down that tells a choice from its list apart from the
// other activations of a combo box (leaving its text when the text matches
// a listed item activates that item).
class ListChoiceBox : public QComboBox {
    Q_OBJECT
  public:
    explicit ListChoiceBox(QWidget* parent = nullptr);
    void hidePopup() override;

  signals:
    void chosenFromList(int index);

  private:
    bool listClosing_ = false;
};

} // namespace climora
