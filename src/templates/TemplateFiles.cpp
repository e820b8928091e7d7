#include "templates/TemplateFiles.h"

#include "base/TextFile.h"

namespace climora {
namespace fs = std::filesystem;

void TemplateWrites::writeLines(const fs::path& file, const std::vector<std::string>& lines) {
    writeTextLines(file, lines);
}

void TemplateWrites::writeText(const fs::path& file, std::string_view text) {
    writeRawText(file, text);
}

TemplateWrites& standardTemplateWrites() {
    static TemplateWrites writes;
    return writes;
}

std::optional<std::vector<std::string>> rewriteBlocks(const std::vector<std::string>& lines,
                                                      std::string_view name,
                                                      const std::optional<std::string>& renameTo,
                                                      bool endMayFollowEmptyLines) {
    std::vector<std::string> result;
    std::size_t i = 0;
    do {
        while (i < lines.size() && lines[i].empty())
            ++i;
        if (i == lines.size()) {
            if (endMayFollowEmptyLines)
                break;
            return std::nullopt;
        }
        const std::string& blockName = lines[i++];
        if (lines.size() - i < 3)
            return std::nullopt;
        bool chosen = blockName == name;
        if (!chosen || renameTo) {
            result.push_back(chosen ? *renameTo : blockName);
            result.insert(result.end(), lines.begin() + i, lines.begin() + i + 3);
        }
        i += 3;
    } while (i < lines.size());
    return result;
}

SettingsRewrite::SettingsRewrite(const WorkFolder& folder, TemplateWrites& writes,
                                 std::string_view backupName)
    : folder_(folder), writes_(writes), backupName_(backupName) {}

SettingsRewrite::~SettingsRewrite() {
    rollBack();
}

std::vector<std::string> SettingsRewrite::begin(bool mayBeMissing) {
    settingsPath_ = folder_.file(templateSettingsFile);
    std::error_code ec;
    if (!fs::is_regular_file(settingsPath_, ec)) {
        if (mayBeMissing)
            return {};
        throw FileError("Cannot open file \"" + settingsPath_.string() + "\".");
    }
    fs::path staleBackup = folder_.file(backupName_);
    if (fs::exists(staleBackup, ec) && !fs::remove(staleBackup, ec))
        throw FileError("Cannot delete file \"" + staleBackup.string() + "\".");
    backupPath_ = folder_.path() / backupName_;
    fs::rename(settingsPath_, backupPath_, ec);
    if (ec)
        throw FileError("Cannot rename file \"" + settingsPath_.string() + "\". " + ec.message());
    moved_ = true;
    return readTextLines(backupPath_);
}

void SettingsRewrite::write(const std::vector<std::string>& lines) {
    written_ = true;
    writes_.writeLines(settingsPath_, lines);
}

void SettingsRewrite::commit() {
    if (moved_) {
        std::error_code ec;
        fs::remove(backupPath_, ec); // a backup left behind does no harm
    }
    moved_ = false;
    written_ = false;
}

void SettingsRewrite::rollBack() {
    std::error_code ec;
    if (written_ && fs::is_regular_file(settingsPath_, ec))
        fs::remove(settingsPath_, ec);
    written_ = false;
    if (moved_) {
        // If this fails the original stays under the backup name.
        fs::rename(backupPath_, settingsPath_, ec);
        moved_ = false;
    }
}

} // namespace climora
