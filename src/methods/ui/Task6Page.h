#pragma once

#include "pipeline/EstimationSettings.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace climora {

// The page of task 6: reference ET from pan evaporation. Choosing
// "Pan type and site conditions unknown" disables the fetch field, any other
// pan enables it again; the field keeps its text either way.
class Task6Page : public QWidget {
    Q_OBJECT
  public:
    explicit Task6Page(QWidget* parent = nullptr);

    void readInto(EstimationSettings& settings) const;
    void writeFrom(const EstimationSettings& settings);
    QLineEdit* fetchBox() const { return fetch_; }

    static constexpr int helpTopic = 3210;

  signals:
    // The help button: the caller shows the given help topic.
    void helpRequested(int topic);

  private:
    QRadioButton* pans_[5];
    QLineEdit* fetch_;
    QPushButton* help_;
};

} // namespace climora
