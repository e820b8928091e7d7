#pragma once

#include "app/Messenger.h"
#include "app/OptionFile.h"
#include "app/WorkFolder.h"

#include <filesystem>
#include <memory>
#include <string>

namespace climora {

// What the main window holds from start-up to shutdown, apart from its
// controls.
struct FrameState {
    std::filesystem::path installFolder;
    std::unique_ptr<WorkFolder> workFolder;
    // True when the local data folder was not found and a private temporary
    // folder stands in for the work folder (removed at shutdown).
    bool workFolderIsTemporary = false;
    std::string defaultInputFolder;
    std::string defaultOutputFolder;
    Options options;             // as restored at start-up; the controls hold them afterwards
    bool optionsRestored = true; // false when reading the option file stopped early
    bool updateNoticePending = true;
    bool explorerOpen = false;
};

// The start-up steps that need no window: locate the folders, create the work
// folder, copy missing settings files, delete leftover temporaries and
// restore the option file. Reports "Could not find the folder path." when
// there is no local data folder.
FrameState startUp(const std::filesystem::path& installFolder, Messenger& messenger);

// Shutdown steps before the last session template: delete the temporaries,
// then rewrite the option file with its stored folder lines and `current`'s
// switches and missing-value texts.
void shutDown(FrameState& frame, const Options& current);

} // namespace climora
