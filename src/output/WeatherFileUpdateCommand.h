#pragma once

#include "base/FileDialogs.h"
#include "base/FrameState.h"
#include "base/Messenger.h"
#include "pipeline/WeatherFileUpdate.h"

#include <string>
#include <vector>

namespace climora {

// The window's "Update Agrovia weather file", also run at the end of a task 2
// Process run: the notice before the first update of another task, the file
// dialog started in the default output folder, the update itself, and the
// updated file's folder remembered as the default output folder (in memory).
UpdateOutcome updateWeatherFileCommand(const std::vector<std::string>& outputLines, int task,
                                       FrameState& frame, FileDialogs& dialogs,
                                       Messenger& messenger,
                                       const NumberPlaceWatch& placeWatch = {});
// The same with the file-system steps of the final replacement supplied.
UpdateOutcome updateWeatherFileCommand(const std::vector<std::string>& outputLines, int task,
                                       FrameState& frame, FileDialogs& dialogs,
                                       Messenger& messenger, ReplaceSteps& steps,
                                       const NumberPlaceWatch& placeWatch = {});

} // namespace climora
