#pragma once

#include "base/WorkFolder.h"
#include "output/ExportLayout.h"
#include "pipeline/EstimationSettings.h"
#include "pipeline/OutputPanel.h"

#include <optional>
#include <string>
#include <vector>

namespace climora {

// The layout climora-batch writes: the Agrovia text of the output panel, or
// a crop model's weather file from the same run.
enum class OutputFormat { Agrovia, Dssat, Apsim };

struct LayoutOptions {
    OutputFormat format = OutputFormat::Agrovia;
    std::optional<std::string> station; // the 4-letter code, checked
    bool referenceGiven = false;
    bool windHeightGiven = false;
};

// --format, --station, --reference and --wind-height. Gives nothing for
// another option, else the refusal's text ("" when accepted).
std::optional<std::string> applyLayoutOption(const std::string& option, const std::string& value,
                                             LayoutOptions& layout, EstimationSettings& settings);
bool isLayoutOption(const std::string& option);
// The refusal of options that do not apply to `task`, or "".
std::string layoutTaskRefusal(const LayoutOptions& layout, int task, bool converts);

// Loads the crop model's file of the kept run into the panel, with the
// --station code when given; throws LayoutRefused.
void loadLayout(StreamedPanel& panel, const WorkFolder& work, const LayoutOptions& layout,
                KeptRun run);

} // namespace climora
