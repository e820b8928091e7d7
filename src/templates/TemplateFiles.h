#pragma once

#include "base/WorkFolder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

inline constexpr std::string_view templateListFile = "TemplateList.clx";
inline constexpr std::string_view templateSettingsFile = "TemplateSettings.clx";
inline constexpr std::string_view lastSessionTemplateFile = "Last Session Template.clx";
// Backups that exist only while the settings file is being rewritten.
inline constexpr std::string_view settingsBackupFile = "TemplateSettings.old"; // save, delete
inline constexpr std::string_view renameBackupFile = "TemplateOld.clx";        // rename

// How the template files are written whole (UTF-8). Tests put a failing
// writer in its place to see that a broken write loses nothing.
class TemplateWrites {
  public:
    virtual ~TemplateWrites() = default;
    // Every line followed by CR LF.
    virtual void writeLines(const std::filesystem::path& file,
                            const std::vector<std::string>& lines);
    // The text as it stands.
    virtual void writeText(const std::filesystem::path& file, std::string_view text);
};
TemplateWrites& standardTemplateWrites();

// The settings lines with the blocks named `name` left out (renameTo empty)
// or renamed. Empty lines between blocks are dropped. Returns nothing when
// the block structure is broken: the lines end where a block should start
// (unless `endMayFollowEmptyLines` and only empty lines were left), or a
// block has fewer than its four lines.
std::optional<std::vector<std::string>> rewriteBlocks(const std::vector<std::string>& lines,
                                                      std::string_view name,
                                                      const std::optional<std::string>& renameTo,
                                                      bool endMayFollowEmptyLines);

// Changes "TemplateSettings.clx" through a backup copy: the file is moved to
// the backup name and written anew; the backup is deleted by commit(), once
// everything that belongs to the change is written. A rewrite that ends
// without commit() puts the original file back, so a failed change never
// leaves a partial settings file behind.
class SettingsRewrite {
  public:
    SettingsRewrite(const WorkFolder& folder, TemplateWrites& writes, std::string_view backupName);
    ~SettingsRewrite();
    SettingsRewrite(const SettingsRewrite&) = delete;
    SettingsRewrite& operator=(const SettingsRewrite&) = delete;

    // Moves the settings file to the backup name and returns its lines. A
    // missing settings file throws FileError unless `mayBeMissing`, in which
    // case there is nothing to back up and the lines are empty.
    std::vector<std::string> begin(bool mayBeMissing);
    void write(const std::vector<std::string>& lines);
    void commit();
    void rollBack();

  private:
    const WorkFolder& folder_;
    TemplateWrites& writes_;
    std::string backupName_;
    std::filesystem::path settingsPath_;
    std::filesystem::path backupPath_;
    bool moved_ = false;   // the original lies under the backup name
    bool written_ = false; // a new settings file (perhaps partial) exists
};

} // namespace climora
