#pragma once

#include "app/Messenger.h"

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace climora {

// "Missing value substitution": the "Enabled" box, the sign of missing
// values and the text that replaces them.
class MissingValueGroup : public QGroupBox {
    Q_OBJECT
  public:
    MissingValueGroup(Messenger& messenger, QWidget* parent = nullptr);

    bool isSubstitutionEnabled() const;
    QString sign() const;
    QString substitution() const;
    // Restores the stored settings (no check while the sign is set).
    void restore(bool enabled, const QString& sign, const QString& substitution);

    QCheckBox* enabledBox() const { return enabled_; }
    QLineEdit* signBox() const { return sign_; }
    QLineEdit* substitutionBox() const { return substitution_; }

  private:
    void applyEnabled();

    Messenger& messenger_;
    QCheckBox* enabled_;
    QLabel* signLabel_;
    QLineEdit* sign_;
    QLabel* substitutionLabel_;
    QLineEdit* substitution_;
    bool restoring_ = false;
};

} // namespace climora
