#pragma once

#include "pipeline/EstimationSettings.h"

#include <QWidget>

namespace climora {

// The page of an estimating task (4 to 7) in the task group: it reads its
// controls into the settings and shows given settings.
class EstimationPage : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

    virtual void readInto(EstimationSettings& settings) const = 0;
    virtual void writeFrom(const EstimationSettings& settings) = 0;

  signals:
    // A help button on the page: the window shows the given help topic.
    void helpRequested(int topic);
};

} // namespace climora
