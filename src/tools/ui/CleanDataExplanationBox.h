#pragma once

#include "tools/CleanDataCommand.h"

#include <QDialog>

class QCheckBox;
class QWidget;

namespace climora {

// The "Clean data" box: an information icon, the explanation, OK and the
// "Don't show me again." check box. Closing it without OK (Esc, the close
// box) rejects it.
class CleanDataExplanationBox : public QDialog {
    Q_OBJECT
  public:
    explicit CleanDataExplanationBox(QWidget* parent = nullptr);
    bool dontShowAgain() const;

  private:
    QCheckBox* dontShowAgain_;
};

// The explanation port on the desktop: a modal CleanDataExplanationBox.
class QtCleanDataExplanation : public CleanDataExplanation {
  public:
    explicit QtCleanDataExplanation(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<bool> show() override;

  private:
    QWidget* parent_;
};

} // namespace climora
