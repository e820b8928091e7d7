#pragma once

namespace climora {

// The needle gauge beside the Process button: steps that work through data
// rows advance it once per row (1000 steps a turn).
class ActivityGauge {
  public:
    virtual ~ActivityGauge() = default;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void step() = 0;
};

class NullGauge : public ActivityGauge {
  public:
    void show() override {}
    void hide() override {}
    void step() override {}
};

} // namespace climora
