#pragma once

#include "base/WorkFolder.h"
#include "input/ColumnSpec.h"
#include "pipeline/OutputPanel.h"
#include "pipeline/RowRecording.h"
#include "pipeline/TaskContext.h"
#include "testing/CountingGauge.h"
#include "testing/RecordingMessenger.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace climora::testing {

// A work folder with Input.~, a ColumnSpec and a context for one
// step of a run.
class PipelineTest : public ::testing::Test {
  protected:
    TempFolder folder;
    WorkFolder work{folder.path()};
    RunState state;
    ColumnSpec spec;
    WeatherRecord record;
    RecordingMessenger messenger;
    CountingGauge gauge;
    EstimationSettings settings;
    StreamedPanel panel;
    TaskContext context{work,     state, spec,          record, messenger, gauge,
                        settings, panel, "station.txt", {},     {},        {}};

    // Slots 1.. hold these variables with these unit texts.
    void columns(std::initializer_list<std::pair<int, std::string>> slots) {
        spec = ColumnSpec{};
        spec.variable.fill(NoVariable);
        int k = 0;
        for (const auto& [variable, unit] : slots) {
            spec.variable[k++] = variable;
            if (isMeasured(variable))
                spec.unitTexts[variable - firstMeasured] = unit;
        }
        spec.columnCount = k;
        state.columnCount = k;
    }
    // New input stands for a new run: rows recorded before are gone.
    void input(const std::string& bytes, long long rows) {
        writeBytes(work.file("Input.~"), bytes);
        state.rowsBeforeData = rows;
        context.recording.reset();
    }
    std::string file(const std::string& name) { return readBytes(work.file(name)); }
    bool exists(const std::string& name) { return std::filesystem::exists(work.file(name)); }
    const std::vector<std::string>& events() { return messenger.events(); }
    using Events = std::vector<std::string>;
};

} // namespace climora::testing
