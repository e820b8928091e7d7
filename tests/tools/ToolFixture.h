#pragma once

#include "app/RecordingMessenger.h"
#include "app/WorkFolder.h"
#include "testing/TempFolder.h"
#include "tools/ToolCommand.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace climora::testing {

// Counts what a tool does with the gauge.
class CountingGauge : public ActivityGauge {
  public:
    void show() override {
        shown = true;
        ++shows;
    }
    void hide() override { shown = false; }
    void step() override { ++steps; }
    bool shown = false;
    int shows = 0;
    long long steps = 0;
};

// A work folder, the ports and a panel that records its replacement.
class ToolFixture : public ::testing::Test {
  protected:
    TempFolder folder;
    WorkFolder work{folder.path()};
    RecordingMessenger messenger;
    CountingGauge gauge;
    std::optional<std::vector<std::string>> replaced;
    ToolContext context{work, messenger, gauge,
                        [this](std::vector<std::string>&& lines) { replaced = std::move(lines); }};

    bool workFileExists(const std::string& name) const {
        return std::filesystem::exists(folder.path() / name);
    }
    std::vector<std::string> events() const { return messenger.events(); }
};

} // namespace climora::testing
