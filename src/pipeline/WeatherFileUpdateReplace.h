#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace climora {

// The file-system steps of replacing a file. Each step throws FileError when
// it fails; tests put failures in on purpose.
class ReplaceSteps {
  public:
    virtual ~ReplaceSteps() = default;
    // Writes the lines (CR LF ended) to a new file and returns once they are
    // completely written and the file is closed.
    virtual void writeNew(const std::filesystem::path& file, const std::vector<std::string>& lines);
    // Renames within one folder, replacing a file of the new name.
    virtual void rename(const std::filesystem::path& from, const std::filesystem::path& to);
    virtual void remove(const std::filesystem::path& file);
    // Gives an existing file a second name in its folder (a copy where the
    // file system has no hard links).
    virtual void link(const std::filesystem::path& existing, const std::filesystem::path& newName);
    // Returns once the file's contents are on the disk.
    virtual void syncFile(const std::filesystem::path& file);
    // The same for the folder's names; never throws.
    virtual void syncFolder(const std::filesystem::path& folder);
};

// The replacement failed; the text names the file and says what became of it.
struct ReplaceFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Replaces `target` by the lines and keeps its previous version as
// target + ".old" (replacing an earlier one). At every moment the target is
// its complete previous or complete new version: the new version is written
// and flushed to disk as target + ".new~", the previous one linked as
// target + ".old~", the new one renamed over the target and the link over
// ".old". Leftovers of an interrupted replacement under those names are
// replaced. On any failure the target and an earlier ".old" are left as they
// were (restored when a later step failed), the temporary files are removed,
// and ReplaceFailed is thrown.
void replaceKeepingOld(const std::filesystem::path& target, const std::vector<std::string>& lines,
                       ReplaceSteps& steps);

// The name of the previous version: "site.wth" keeps "site.wth.old".
std::filesystem::path oldVersionOf(const std::filesystem::path& target);

} // namespace climora
