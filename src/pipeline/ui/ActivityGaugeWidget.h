#pragma once

#include "base/ActivityGauge.h"

#include <QWidget>

#include <chrono>

namespace climora {

// The needle gauge beside the Process button: 1000 steps sweep the needle
// once over its half dial, then it starts again. A run never returns to the
// event loop, so the gauge repaints itself directly, a few times a second.
class ActivityGaugeWidget : public QWidget, public ActivityGauge {
    Q_OBJECT
  public:
    explicit ActivityGaugeWidget(QWidget* parent = nullptr);

    void show() override;
    void hide() override;
    void step() override;

    int position() const { return position_; } // 0 .. 999
    QSize sizeHint() const override { return {64, 40}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void repaintNow();

    int position_ = 0;
    int sinceCheck_ = 0;
    std::chrono::steady_clock::time_point lastPaint_{};
};

} // namespace climora
