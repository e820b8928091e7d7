#pragma once

#include "pipeline/ui/EstimationPage.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace climora {

// The page of task 6: reference ET from pan evaporation. Choosing
// "Pan type and site conditions unknown" disables the fetch field, any other
// pan enables it again; the field keeps its text either way.
class Task6Page : public EstimationPage {
    Q_OBJECT
  public:
    explicit Task6Page(QWidget* parent = nullptr);

    void readInto(EstimationSettings& settings) const override;
    void writeFrom(const EstimationSettings& settings) override;
    QLineEdit* fetchBox() const { return fetch_; }

    static constexpr int helpTopic = 3210;

  private:
    QRadioButton* pans_[5];
    QLineEdit* fetch_;
    QPushButton* help_;
};

} // namespace climora
