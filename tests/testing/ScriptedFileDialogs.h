#pragma once

#include "base/FileDialogs.h"

#include <optional>
#include <utility>

namespace climora {

// Answers dialogs from a script and keeps the last request.
class ScriptedFileDialogs : public FileDialogs {
  public:
    std::optional<FileChoice> nextOpen;
    std::optional<FileChoice> nextSave;
    std::optional<FileDialogRequest> lastRequest;

    std::optional<FileChoice> openFile(const FileDialogRequest& request) override {
        lastRequest = request;
        return std::exchange(nextOpen, std::nullopt);
    }
    std::optional<FileChoice> saveFile(const FileDialogRequest& request) override {
        lastRequest = request;
        return std::exchange(nextSave, std::nullopt);
    }
};

} // namespace climora
