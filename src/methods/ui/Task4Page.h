#pragma once

#include "pipeline/ui/EstimationPage.h"

class QLineEdit;
class QRadioButton;

namespace climora {

// The page of task 4: solar radiation from T-max and T-min.
class Task4Page : public EstimationPage {
    Q_OBJECT
  public:
    explicit Task4Page(QWidget* parent = nullptr);

    void readInto(EstimationSettings& settings) const override;
    void writeFrom(const EstimationSettings& settings) override;
    QLineEdit* latitudeBox() const { return latitude_; }

  private:
    QLineEdit* latitude_;
    QRadioButton* regions_[3];
};

} // namespace climora
