#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace climora {

// "Rows before data start": a read-only number changed only by its two
// arrows. The upper arrow counts down, the lower one counts up.
class RowsBox : public QWidget {
    Q_OBJECT
  public:
    explicit RowsBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    QLineEdit* edit() const { return edit_; }
    QToolButton* upArrow() const { return up_; }
    QToolButton* downArrow() const { return down_; }

  private:
    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace climora
