#pragma once

#include <QComboBox>

namespace climora {

// The editable address drop-down. Enter in its text and a choice from its
// list are reported separately, so that nothing else (leaving the box,
// typing a listed address) starts a navigation.
class AddressBox : public QComboBox {
    Q_OBJECT
  public:
    explicit AddressBox(QWidget* parent = nullptr);

    void showItems(const std::vector<std::string>& items, const QString& text);
    void showPopup() override;

  signals:
    void enterPressed();
    void itemChosen(const QString& address);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool popupShown_ = false;
};

} // namespace climora
