#pragma once

#include "base/Messenger.h"
#include "base/WorkFolder.h"

#include <string>

namespace climora {

inline constexpr int defaultFoldersHelpTopic = 12000;

struct FolderTexts {
    std::string inputFolder;
    std::string outputFolder;
};

// What the default-folders dialog shows when it opens: lines 1 and 2 of
// "Option.clx", or the work folder in both boxes when there is no readable
// option file.
FolderTexts defaultFolderTexts(const WorkFolder& work);

// "OK" of the default-folders dialog: rewrites "Option.clx" with the two
// texts exactly as typed (nothing is checked), then makes them the folders
// in memory. A file that cannot be written is reported and changes nothing;
// the result is then false and the dialog stays open.
bool saveDefaultFolders(const WorkFolder& work, const FolderTexts& typed,
                        std::string& defaultInputFolder, std::string& defaultOutputFolder,
                        Messenger& messenger);

} // namespace climora
