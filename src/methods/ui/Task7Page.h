#pragma once

#include "pipeline/EstimationSettings.h"

#include <QWidget>

class QLineEdit;

namespace climora {

// The page of task 7: alfalfa-referenced ET by FAO Penman-Monteith.
class Task7Page : public QWidget {
    Q_OBJECT
  public:
    explicit Task7Page(QWidget* parent = nullptr);

    void readInto(EstimationSettings& settings) const;
    void writeFrom(const EstimationSettings& settings);
    QLineEdit* latitudeBox() const { return latitude_; }

  private:
    QLineEdit* latitude_;
    QLineEdit* elevation_;
};

} // namespace climora
