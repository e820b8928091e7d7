#pragma once

#include "base/FileDialogs.h"
#include "base/Messenger.h"

#include <optional>
#include <string>
#include <vector>

namespace climora {

// The file name of a path cut before its first "."; empty when the name
// holds no ".".
std::string getNameOnlyNoExt(const std::string& path);

// The spin control of "Rows before data start": the upper arrow counts down
// (not below 0), the lower arrow counts up. An empty box counts as "0".
std::string rowsUpArrow(const std::string& rowsText);
std::string rowsDownArrow(const std::string& rowsText);

struct OpenedInput {
    std::string name;                              // file name without folder
    std::optional<std::vector<std::string>> lines; // none when the file is not text
};

// "Step 1: Open input file...". Cancelling gives nothing and changes nothing.
// Otherwise the default input folder moves to the chosen file's folder; a
// file that is not text is reported and gives no lines.
std::optional<OpenedInput> openInputFile(FileDialogs& dialogs, Messenger& messenger,
                                         std::string& defaultInputFolder);

// A file named without the dialog (on the command line, dropped on the
// panel), opened as if the dialog had chosen it. A path that is not an
// existing file is reported and changes nothing.
std::optional<OpenedInput> openNamedInputFile(const std::string& path, Messenger& messenger,
                                              std::string& defaultInputFolder);

// "File" > "Save input file...": ".txt" is added to a name without
// extension. Returns false when cancelled; a write failure throws FileError.
bool saveInputFile(const std::vector<std::string>& lines, FileDialogs& dialogs,
                   const std::string& defaultInputFolder);

// Appends `extension` (with its ".") when the file name part has none.
std::string withDefaultExtension(const std::string& path, const std::string& extension);

} // namespace climora
