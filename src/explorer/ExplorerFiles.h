#pragma once

#include "base/WorkFolder.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

inline constexpr std::string_view homePageFileName = "Homepage.clx";
inline constexpr std::string_view hotLinksFileName = "HotLinks.clx";
inline constexpr int hotLinkCount = 5;

// Link button 1: the home page.
struct HomePage {
    std::string name;
    std::string address;
};

// Link buttons 2 to 6.
struct HotLink {
    std::string caption;
    std::string tooltip;
    std::string address;
};

// The search site used while no home page has been set.
HomePage defaultHomePage();

// The home page file's name and address lines (a missing line reads as
// empty); the default home page when there is no file or it cannot be read.
HomePage readHomePage(const WorkFolder& workFolder);
void writeHomePage(const WorkFolder& workFolder, const HomePage& home);

// The hot links in button order, three lines each (caption, tooltip,
// address); at most five. A missing file gives none; a short one gives the
// links it holds in full.
std::vector<HotLink> readHotLinks(const WorkFolder& workFolder);

// The link address list: the home page's address, then the hot links'.
std::vector<std::string> linkAddresses(const HomePage& home, const std::vector<HotLink>& links);

// The name a save dialog's choice is written under: the name as chosen when
// it ends in the extension (letter case included), otherwise the name with
// the extension appended.
std::string withSaveExtension(const std::string& chosen, std::string_view extension);
inline std::string textSaveName(const std::string& chosen) {
    return withSaveExtension(chosen, ".txt");
}
inline std::string webArchiveSaveName(const std::string& chosen) {
    return withSaveExtension(chosen, ".mht");
}

} // namespace climora
