#include "explorer/ExplorerFiles.h"

#include "base/TextFile.h"

namespace climora {

HomePage defaultHomePage() {
    return {"DuckDuckGo", "https://duckduckgo.com/"};
}

HomePage readHomePage(const WorkFolder& workFolder) {
    if (!workFolder.exists(homePageFileName))
        return defaultHomePage();
    std::vector<std::string> lines;
    try {
        lines = readTextLines(workFolder.file(homePageFileName));
    } catch (const std::exception&) {
        return defaultHomePage();
    }
    lines.resize(2);
    return {lines[0], lines[1]};
}

void writeHomePage(const WorkFolder& workFolder, const HomePage& home) {
    writeTextLines(workFolder.file(homePageFileName), {home.name, home.address});
}

std::vector<HotLink> readHotLinks(const WorkFolder& workFolder) {
    std::vector<std::string> lines;
    try {
        if (workFolder.exists(hotLinksFileName))
            lines = readTextLines(workFolder.file(hotLinksFileName));
    } catch (const std::exception&) {
        lines.clear();
    }
    std::vector<HotLink> links;
    for (std::size_t first = 0; first + 3 <= lines.size() && links.size() < hotLinkCount;
         first += 3)
        links.push_back({lines[first], lines[first + 1], lines[first + 2]});
    return links;
}

std::vector<std::string> linkAddresses(const HomePage& home, const std::vector<HotLink>& links) {
    std::vector<std::string> addresses{home.address};
    for (const HotLink& link : links)
        addresses.push_back(link.address);
    return addresses;
}

std::string withSaveExtension(const std::string& chosen, std::string_view extension) {
    // The extension runs from the last "." of the file's own name.
    std::size_t nameStart = chosen.find_last_of('/');
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    std::size_t dot = chosen.find_last_of('.');
    std::string_view extensionNow;
    if (dot != std::string::npos && dot >= nameStart)
        extensionNow = std::string_view(chosen).substr(dot);
    return extensionNow == extension ? chosen : chosen + std::string(extension);
}

} // namespace climora
