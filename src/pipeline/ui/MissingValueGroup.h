#pragma once

#include "base/Messenger.h"
#include "pipeline/RowExtraction.h"

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace climora {

// "Missing value substitution": whether the run replaces the missing-value
// sign, the sign (an integer) and the text that replaces it.
class MissingValueGroup : public QGroupBox {
    Q_OBJECT
  public:
    explicit MissingValueGroup(Messenger& messenger, QWidget* parent = nullptr);

    MissingValueSettings settings() const;
    // As restored at start-up; the check mark enables the boxes as a click does.
    void setSettings(const MissingValueSettings& settings);

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
