#pragma once

#include "base/FileDialogs.h"
#include "base/FrameState.h"
#include "base/Messenger.h"
#include "pipeline/UnreadableNumber.h"
#include "pipeline/WeatherFileUpdateReplace.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

inline constexpr std::string_view updateNoticeMessage =
    "The data must comply to the format for Agrovia.";
inline constexpr std::string_view updateDialogTitle =
    "Select the weather file to be updated for Agrovia use";
inline constexpr std::string_view updateDialogFilter =
    "Agrovia weather file (.wth)|*.wth|All files(*.*)|*.*";
inline constexpr std::string_view noNeedToUpdateMessage = "No need to update the existing file.";
inline constexpr std::string_view gapQuestion =
    "The first day in the output data does not continue from the end of the existing file. "
    "Update anyway?";

// How one update ended.
enum class UpdateOutcome {
    Cancelled,     // the file dialog was cancelled
    Updated,       // the file was replaced; its previous version is N.old
    NothingNew,    // "No need to update the existing file."
    Declined,      // No to the gap question
    Refused,       // an error box; nothing changed
    ReplaceFailed, // replacing the file failed; the file is as it was
};

// Sees where a number the update cannot read stands, before its error box.
using NumberPlaceWatch = std::function<void(const NumberPlace&)>;

// "Update Agrovia weather file" once the user has chosen the file (the front
// ends ask for it and remember its folder). Appends the output panel's days
// after the chosen file's last day to that file, keeping its previous version
// as N.old. All messages go through `messenger`; nothing is thrown for
// problems of the files involved. Never gives Cancelled.
UpdateOutcome updateAgroviaWeatherFile(const std::vector<std::string>& outputLines,
                                       const std::filesystem::path& chosen, Messenger& messenger,
                                       const NumberPlaceWatch& placeWatch = {});
// The same with the file-system steps of the final replacement supplied.
UpdateOutcome updateAgroviaWeatherFile(const std::vector<std::string>& outputLines,
                                       const std::filesystem::path& chosen, Messenger& messenger,
                                       ReplaceSteps& steps,
                                       const NumberPlaceWatch& placeWatch = {});

// The chosen file as an absolute path (as given when that fails).
std::filesystem::path absoluteOrAsGiven(const std::filesystem::path& file);

// The message of a finished update, for the file name N with extension.
std::string updatedMessage(const std::string& fileName);

// True for a file nobody may write to by its permission bits, and the
// refusal that names it.
bool isReadOnlyFile(const std::filesystem::path& file);
std::string readOnlyRefusal(const std::string& fileName);

// Exit status of the command line's update: 0 when it ended as the user
// chose, 1 after an error box, 2 when replacing the file failed.
int updateExitCode(UpdateOutcome outcome);

} // namespace climora
