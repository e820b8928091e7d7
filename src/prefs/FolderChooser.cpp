#include "prefs/FolderChooser.h"

#include <algorithm>
#include <iterator>

namespace climora {
namespace fs = std::filesystem;

fs::path chooserStartFolder(const std::string& boxText, const WorkFolder& work) {
    std::error_code ec;
    if (!boxText.empty() && fs::is_directory(boxText, ec))
        return fs::path(boxText);
    return work.path();
}

std::string newFolderPanelText(const std::string& selectedFolder) {
    return folderText(selectedFolder);
}

std::optional<fs::path> makeChosenFolder(const std::string& text, Messenger& messenger) {
    fs::path folder(text);
    std::error_code ec;
    if (!text.empty() && fs::is_directory(folder, ec))
        return folder;
    if (text.empty()) {
        messenger.reportError("Cannot create folder \"\". No folder name given.");
        return std::nullopt;
    }
    // create_directory makes one level only: a missing parent is an error.
    if (!fs::create_directory(folder, ec) || ec) {
        std::string reason = ec ? ec.message() : std::string("A file of that name exists.");
        messenger.reportError("Cannot create folder \"" + text + "\". " + reason);
        return std::nullopt;
    }
    return folder;
}

std::optional<std::size_t> volumeOfFolder(const fs::path& folder,
                                          const std::vector<fs::path>& volumeRoots) {
    std::optional<std::size_t> best;
    std::size_t bestLength = 0;
    fs::path normal = folder.lexically_normal();
    for (std::size_t i = 0; i < volumeRoots.size(); ++i) {
        fs::path root = volumeRoots[i].lexically_normal();
        auto [rootEnd, folderEnd] =
            std::mismatch(root.begin(), root.end(), normal.begin(), normal.end());
        bool isPrefix =
            rootEnd == root.end() || (rootEnd->empty() && std::next(rootEnd) == root.end());
        std::size_t length = std::distance(root.begin(), root.end());
        if (isPrefix && (!best || length > bestLength)) {
            best = i;
            bestLength = length;
        }
    }
    return best;
}

} // namespace climora
