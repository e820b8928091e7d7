#pragma once

#include "pipeline/EstimationSettings.h"

#include <QWidget>

class QLineEdit;
class QRadioButton;

namespace climora {

// The page of task 4: solar radiation from T-max and T-min.
class Task4Page : public QWidget {
    Q_OBJECT
  public:
    explicit Task4Page(QWidget* parent = nullptr);

    void readInto(EstimationSettings& settings) const;
    void writeFrom(const EstimationSettings& settings);
    QLineEdit* latitudeBox() const { return latitude_; }

  private:
    QLineEdit* latitude_;
    QRadioButton* regions_[3];
};

} // namespace climora
