#pragma once

#include "base/WorkFolder.h"
#include "testing/CountingGauge.h"
#include "testing/RecordingMessenger.h"
#include "testing/TempFolder.h"
#include "tools/ToolCommand.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace climora::testing {

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
