#pragma once

#include <QLineEdit>

namespace climora {

// The read-only box that names the open input. No border while empty;
// its width follows the text, up to the room it is given.
class InputNameBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit InputNameBox(QWidget* parent = nullptr);

    void setName(const QString& name);
    // The widest the box may grow (the space between its neighbours).
    void setAvailableWidth(int width);
    // Re-sizes the box for its current text.
    void setFileNameBoxProperty();

  private:
    int availableWidth_ = 400;
};

} // namespace climora
