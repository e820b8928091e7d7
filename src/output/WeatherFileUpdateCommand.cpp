#include "output/WeatherFileUpdateCommand.h"

#include "base/WorkFolder.h"
#include "input/Task.h"

#include <optional>

namespace climora {
namespace fs = std::filesystem;

namespace {

std::optional<std::string> chooseFile(const std::string& startFolder, FileDialogs& dialogs) {
    FileDialogRequest request;
    request.title = std::string(updateDialogTitle);
    request.startFolder = startFolder;
    request.filter = std::string(updateDialogFilter);
    std::optional<FileChoice> choice = dialogs.openFile(request);
    if (!choice)
        return std::nullopt;
    return choice->path;
}

} // namespace

UpdateOutcome updateWeatherFileCommand(const std::vector<std::string>& outputLines, int task,
                                       FrameState& frame, FileDialogs& dialogs,
                                       Messenger& messenger, const NumberPlaceWatch& placeWatch) {
    ReplaceSteps steps;
    return updateWeatherFileCommand(outputLines, task, frame, dialogs, messenger, steps,
                                    placeWatch);
}

UpdateOutcome updateWeatherFileCommand(const std::vector<std::string>& outputLines, int task,
                                       FrameState& frame, FileDialogs& dialogs,
                                       Messenger& messenger, ReplaceSteps& steps,
                                       const NumberPlaceWatch& placeWatch) {
    if (!taskTraits(task).updatesWeatherFile && frame.updateNoticePending) {
        messenger.information(std::string(updateNoticeMessage));
        frame.updateNoticePending = false;
    }
    std::optional<std::string> chosen = chooseFile(frame.defaultOutputFolder, dialogs);
    if (!chosen)
        return UpdateOutcome::Cancelled;
    UpdateOutcome outcome =
        updateAgroviaWeatherFile(outputLines, *chosen, messenger, steps, placeWatch);
    if (outcome == UpdateOutcome::Updated)
        frame.defaultOutputFolder = folderText(absoluteOrAsGiven(*chosen).parent_path());
    return outcome;
}

} // namespace climora
