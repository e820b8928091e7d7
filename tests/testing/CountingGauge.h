#pragma once

#include "base/ActivityGauge.h"

namespace climora::testing {

// A gauge that counts what it is asked to do.
class CountingGauge : public ActivityGauge {
  public:
    void show() override {
        visible = true;
        ++shows;
    }
    void hide() override { visible = false; }
    void step() override { ++steps; }
    bool visible = false;
    int shows = 0;
    long long steps = 0;
};

} // namespace climora::testing
