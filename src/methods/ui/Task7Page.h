#pragma once

#include "pipeline/ui/EstimationPage.h"

class QComboBox;
class QLineEdit;
class QVBoxLayout;

namespace climora {

// The page of task 7: alfalfa-referenced ET by FAO Penman-Monteith, or one
// of the published references, with the wind's measurement height.
class Task7Page : public EstimationPage {
    Q_OBJECT
  public:
    explicit Task7Page(QWidget* parent = nullptr);

    void readInto(EstimationSettings& settings) const override;
    void writeFrom(const EstimationSettings& settings) override;
    QLineEdit* latitudeBox() const { return latitude_; }

  private:
    void addWindHeight(QVBoxLayout* layout);
    void addReferenceChoice(QVBoxLayout* layout);

    QLineEdit* latitude_;
    QLineEdit* elevation_;
    QComboBox* reference_;
    QLineEdit* windHeight_;
};

} // namespace climora
