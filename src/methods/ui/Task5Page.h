#pragma once

#include "pipeline/EstimationSettings.h"

#include <QWidget>

class QLineEdit;
class QRadioButton;

namespace climora {

// The page of task 5: solar radiation from sunshine hours or percentage.
class Task5Page : public QWidget {
    Q_OBJECT
  public:
    explicit Task5Page(QWidget* parent = nullptr);

    void readInto(EstimationSettings& settings) const;
    void writeFrom(const EstimationSettings& settings);
    QLineEdit* latitudeBox() const { return latitude_; }

  private:
    QLineEdit* latitude_;
    QRadioButton* zones_[3];
};

} // namespace climora
