#pragma once

#include "base/FileDialogs.h"
#include "base/Messenger.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

inline constexpr std::string_view outputSaveFilter =
    "Agrovia weather files (.wth)|*.wth|Text files(*.txt)|*.txt";

// The name the save dialog suggests for the output: the input name without
// its folder, cut before its first "." (empty when it holds no ".").
std::string suggestedOutputName(const std::string& inputName);

// The chosen path with ".wth" (first filter) or ".txt" (any other) appended
// when its file name has no extension; a name with one is kept as it is.
std::string outputPathWithExtension(const std::string& chosenPath, int filterIndex);

// "Save": asks for a file name starting in the default input folder and
// writes the output panel's lines there, each ended by CR LF. The dialog
// asks before replacing the file entered; when an appended extension names
// another existing file, the user is asked once more. Returns the file
// written, or nothing when the user cancelled or declined. A failed write
// throws FileError.
std::optional<std::filesystem::path> saveOutput(const std::vector<std::string>& outputLines,
                                                const std::string& inputName,
                                                const std::string& defaultInputFolder,
                                                FileDialogs& dialogs, Messenger& messenger);

} // namespace climora
