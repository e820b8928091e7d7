#pragma once

#include "explorer/ui/ListChoiceBox.h"

namespace climora {

// The editable address drop-down. Enter in its text and a choice from its
// list are reported separately, so that nothing else (leaving the box,
// typing a listed address) starts a navigation.
class AddressBox : public ListChoiceBox {
    Q_OBJECT
  public:
    explicit AddressBox(QWidget* parent = nullptr);

    void showItems(const std::vector<std::string>& items, const QString& text);

  signals:
    void enterPressed();
    void itemChosen(const QString& address);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace climora
