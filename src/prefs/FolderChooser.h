#pragma once

#include "base/Messenger.h"
#include "base/WorkFolder.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace climora {

// Where "Browse..." opens the "Select a folder" chooser: the box's folder
// when it exists, the work folder otherwise.
std::filesystem::path chooserStartFolder(const std::string& boxText, const WorkFolder& work);

// What the new-directory panel's text box starts with: the selected folder
// followed by one separator.
std::string newFolderPanelText(const std::string& selectedFolder);

// The panel's "OK": the text names the folder to select. A folder that does
// not exist yet is created (one level: its parent must exist). A folder that
// cannot be created is reported and gives nothing, so the panel stays open.
std::optional<std::filesystem::path> makeChosenFolder(const std::string& text,
                                                      Messenger& messenger);

// The drive chooser's entry for a folder: the volume whose root is the
// longest leading part of the folder's path; nothing when none matches.
std::optional<std::size_t> volumeOfFolder(const std::filesystem::path& folder,
                                          const std::vector<std::filesystem::path>& volumeRoots);

} // namespace climora
