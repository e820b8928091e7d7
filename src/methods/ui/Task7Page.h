#pragma once

#include "pipeline/ui/EstimationPage.h"

class QLineEdit;

namespace climora {

// The page of task 7: alfalfa-referenced ET by FAO Penman-Monteith.
class Task7Page : public EstimationPage {
    Q_OBJECT
  public:
    explicit Task7Page(QWidget* parent = nullptr);

    void readInto(EstimationSettings& settings) const override;
    void writeFrom(const EstimationSettings& settings) override;
    QLineEdit* latitudeBox() const { return latitude_; }

  private:
    QLineEdit* latitude_;
    QLineEdit* elevation_;
};

} // namespace climora
