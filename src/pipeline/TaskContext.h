#pragma once

#include "base/ActivityGauge.h"
#include "base/Messenger.h"
#include "base/WorkFolder.h"
#include "input/ColumnSpec.h"
#include "pipeline/EstimationSettings.h"
#include "pipeline/OutputPanel.h"
#include "pipeline/RunState.h"
#include "pipeline/WeatherRecord.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace climora {

class RowRecording;

// Everything a step of a Process run works with. Steps report their own
// errors, set state.abort and return; unexpected failures (a number that
// cannot be read, a file that cannot be written) are exceptions.
struct TaskContext {
    const WorkFolder& work;
    RunState& state;
    // Not const: the estimating tasks switch the unit of their estimate
    // before the conversion when they convert.
    ColumnSpec& spec;
    WeatherRecord& record;
    Messenger& messenger;
    ActivityGauge& gauge;
    const EstimationSettings& settings;
    OutputPanel& panel;
    // The input-name box's text: the title line when there are no header lines.
    std::string inputName;
    // Called by the conversion with each converted row and its day of year,
    // after an estimate has replaced its value; empty when nobody asks.
    std::function<void(const WeatherRecord&, int)> dayConverted;
    // The input file the run reads where it lies; empty when the run reads
    // the input panel saved as Input.~.
    std::filesystem::path inputFile;
    // The run's data rows as first read, for the passes after that.
    std::shared_ptr<RowRecording> recording;
};

} // namespace climora
