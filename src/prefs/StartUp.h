#pragma once

#include "base/FrameState.h"
#include "base/Messenger.h"
#include "prefs/OptionFile.h"

#include <filesystem>

namespace climora {

// The frame and the option file's switches as start-up restored them.
struct StartedFrame {
    FrameState frame;
    Options options;             // the controls hold them afterwards
    bool optionsRestored = true; // false when reading the option file stopped early
};

// The start-up steps that need no window: locate the folders, create the work
// folder, copy missing settings files, delete leftover temporaries and
// restore the option file. Reports "Could not find the folder path." when
// there is no local data folder.
StartedFrame startUp(const std::filesystem::path& installFolder, Messenger& messenger);

// Shutdown steps before the last session template: delete the temporaries,
// then rewrite the option file with its stored folder lines and `current`'s
// switches and missing-value texts.
void shutDown(FrameState& frame, const Options& current);

} // namespace climora
