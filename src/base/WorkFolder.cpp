#include "base/WorkFolder.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace climora {
namespace fs = std::filesystem;

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool isTemporaryName(const std::string& name) {
    if (name.empty() || name.front() == '.') // hidden files are left alone
        return false;
    auto endsWith = [&](std::string_view suffix) {
        return name.size() >= suffix.size() &&
               equalsIgnoringCase(std::string_view(name).substr(name.size() - suffix.size()),
                                  suffix);
    };
    return endsWith(".~") || (name.front() == '~' && endsWith(".xls"));
}

} // namespace

std::string folderText(const fs::path& folder) {
    std::string text = folder.string();
    if (text.empty() || text.back() != '/')
        text += '/';
    return text;
}

std::string WorkFolder::pathText() const {
    return folderText(folder_);
}

fs::path WorkFolder::file(std::string_view name) const {
    std::error_code ec;
    if (fs::exists(folder_ / name, ec))
        return folder_ / name;
    for (const auto& entry : fs::directory_iterator(folder_, ec))
        if (equalsIgnoringCase(entry.path().filename().string(), name))
            return entry.path();
    return folder_ / name;
}

bool WorkFolder::exists(std::string_view name) const {
    std::error_code ec;
    return fs::is_regular_file(file(name), ec);
}

void WorkFolder::deleteTemporaries() const {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder_, ec)) {
        std::error_code entryError;
        if (entry.is_regular_file(entryError) && isTemporaryName(entry.path().filename().string()))
            fs::remove(entry.path(), entryError);
    }
}

std::optional<fs::path> localDataFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return fs::path(xdg);
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local" / "share";
    return std::nullopt;
}

const std::array<std::string_view, 10>& settingsFileNames() {
    static const std::array<std::string_view, 10> names = {"FavoriteNames.clx",
                                                           "FavoriteURLs.clx",
                                                           "Gear.bmp",
                                                           "Gear.gif",
                                                           "Homepage.clx",
                                                           "Hotlinks.clx",
                                                           "Last Session Template.clx",
                                                           "Option.clx",
                                                           "TemplateList.clx",
                                                           "TemplateSettings.clx"};
    return names;
}

fs::path runningProgramFolder() {
    std::error_code ec;
    fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : program.parent_path();
}

void prepareWorkFolder(const fs::path& installFolder, const WorkFolder& work) {
    std::error_code ec;
    fs::create_directories(work.path(), ec);
    copyMissingSettingsFiles(installFolder, work);
}

fs::path findInstallFolder(const fs::path& programFolder, const fs::path& workingDirectory) {
    std::error_code ec;
    fs::path shared = programFolder / ".." / "share" / "climora";
    if (fs::is_directory(shared, ec))
        return fs::weakly_canonical(shared, ec);
    if (fs::exists(programFolder / "TemplateList.clx", ec))
        return programFolder;
    return workingDirectory;
}

void copyMissingSettingsFiles(const fs::path& installFolder, const WorkFolder& work) {
    for (std::string_view name : settingsFileNames()) {
        if (work.exists(name))
            continue;
        WorkFolder install(installFolder);
        std::error_code ec;
        fs::copy_file(install.file(name), work.path() / name, ec);
    }
}

} // namespace climora
