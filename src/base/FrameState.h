#pragma once

#include "base/WorkFolder.h"

#include <filesystem>
#include <memory>
#include <string>

namespace climora {

// What the main window holds from start-up to shutdown, apart from its
// controls. Start-up fills in the folders.
struct FrameState {
    std::filesystem::path installFolder;
    std::unique_ptr<WorkFolder> workFolder;
    // True when the local data folder was not found and a private temporary
    // folder stands in for the work folder (removed at shutdown).
    bool workFolderIsTemporary = false;
    std::string defaultInputFolder;
    std::string defaultOutputFolder;
    bool updateNoticePending = true;
    bool explorerOpen = false;
};

} // namespace climora
