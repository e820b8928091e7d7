#pragma once

#include <optional>
#include <string>

namespace climora {

// One file dialog as the program asks for it. The filter uses the
// "Caption|pattern|Caption|pattern" form; filterIndex counts from 1.
struct FileDialogRequest {
    std::string title;
    std::string startFolder;
    std::string filter;
    int filterIndex = 1;
    std::string suggestedName;
    bool confirmOverwrite = false;
};

struct FileChoice {
    std::string path;
    int filterIndex = 1; // the filter selected when the user confirmed
};

// File and folder choosers. Cancelling gives no value.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual std::optional<FileChoice> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<FileChoice> saveFile(const FileDialogRequest& request) = 0;
};

} // namespace climora
