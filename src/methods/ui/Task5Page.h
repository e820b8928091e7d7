#pragma once

#include "pipeline/ui/EstimationPage.h"

class QLineEdit;
class QRadioButton;

namespace climora {

// The page of task 5: solar radiation from sunshine hours or percentage.
class Task5Page : public EstimationPage {
    Q_OBJECT
  public:
    explicit Task5Page(QWidget* parent = nullptr);

    void readInto(EstimationSettings& settings) const override;
    void writeFrom(const EstimationSettings& settings) override;
    QLineEdit* latitudeBox() const { return latitude_; }

  private:
    QLineEdit* latitude_;
    QRadioButton* zones_[3];
};

} // namespace climora
