#include "pipeline/WeatherFileUpdateReplace.h"

#include "base/TextFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace climora {
namespace fs = std::filesystem;

namespace {

// A name beside `file` that nothing uses yet.
fs::path unusedNameBeside(const fs::path& file, const std::string& suffix) {
    std::error_code ec;
    fs::path candidate = file.string() + suffix;
    for (int n = 2; fs::exists(fs::symlink_status(candidate, ec)); ++n)
        candidate = file.string() + suffix + std::to_string(n);
    return candidate;
}

// A failure's text as a sentence of the message.
std::string sentence(const std::exception& e) {
    std::string text = e.what();
    return !text.empty() && text.back() != '.' ? text + "." : text;
}

std::string quoted(const fs::path& file) {
    return "\"" + file.string() + "\"";
}

void removeQuietly(const fs::path& file, ReplaceSteps& steps) {
    try {
        steps.remove(file);
    } catch (const std::exception&) {
    }
}

bool renameQuietly(const fs::path& from, const fs::path& to, ReplaceSteps& steps) {
    try {
        steps.rename(from, to);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// New permissions follow the replaced file's (a best effort).
void takePermissions(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::perms perms = fs::status(from, ec).permissions();
    if (!ec)
        fs::permissions(to, perms, ec);
}

} // namespace

void ReplaceSteps::writeNew(const fs::path& file, const std::vector<std::string>& lines) {
    writeTextLines(file, lines);
}

void ReplaceSteps::rename(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec)
        throw FileError("Cannot rename " + quoted(from) + " to " + quoted(to) + ". " +
                        ec.message());
}

void ReplaceSteps::link(const fs::path& existing, const fs::path& newName) {
    std::error_code ec;
    fs::create_hard_link(existing, newName, ec);
    if (ec && ec != std::errc::operation_not_permitted && ec != std::errc::not_supported &&
        ec != std::errc::too_many_links)
        throw FileError("Cannot link " + quoted(existing) + " as " + quoted(newName) + ". " +
                        ec.message());
    if (!ec)
        return;
    // File systems without hard links get a copy.
    if (!fs::copy_file(existing, newName, ec))
        throw FileError("Cannot copy " + quoted(existing) + " to " + quoted(newName) + ". " +
                        ec.message());
    syncFile(newName);
}

void ReplaceSteps::syncFile(const fs::path& file) {
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    bool synced = fd >= 0 && ::fsync(fd) == 0;
    int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        throw FileError("Cannot write " + quoted(file) + " to disk. " + std::strerror(error));
}

// A best effort: the rename has happened whether or not it reaches the disk now.
void ReplaceSteps::syncFolder(const fs::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void ReplaceSteps::remove(const fs::path& file) {
    std::error_code ec;
    if (!fs::remove(file, ec) && ec)
        throw FileError("Cannot delete " + quoted(file) + ". " + ec.message());
}

fs::path oldVersionOf(const fs::path& target) {
    return target.string() + ".old";
}

namespace {

// One replacement of `target`, step by step. The target always stands
// complete under its name: the new version is written and flushed beside it,
// the current version gets a second name (a hard link), and a single rename
// puts the new version in place. Every step undoes what the replacement did
// so far before it reports a failure.
class Replacement {
  public:
    Replacement(const fs::path& target, ReplaceSteps& steps)
        : steps_(steps), target_(target), newVersion_(ourNameBeside(target, ".new~")),
          previous_(ourNameBeside(target, ".old~")), old_(oldVersionOf(target)) {}

    void writeNewVersion(const std::vector<std::string>& lines) {
        try {
            removeIfPresent(newVersion_);
            steps_.writeNew(newVersion_, lines);
            takePermissions(target_, newVersion_);
            steps_.syncFile(newVersion_);
        } catch (const std::exception& e) {
            fail(e);
        }
    }

    void linkCurrentVersion() {
        try {
            removeIfPresent(previous_);
            steps_.link(target_, previous_);
        } catch (const std::exception& e) {
            fail(e);
        }
    }

    void putNewVersionInPlace() {
        try {
            steps_.rename(newVersion_, target_);
        } catch (const std::exception& e) {
            removeQuietly(previous_, steps_);
            fail(e);
        }
    }

    // Replaces an earlier ".old" only now that the new version stands.
    void keepPreviousAsOld() {
        try {
            steps_.rename(previous_, old_);
        } catch (const std::exception& e) {
            if (renameQuietly(previous_, target_, steps_))
                fail(e);
            throw ReplaceFailed(failure(e) + " The file is updated; its previous version is now " +
                                quoted(previous_) + ".");
        }
        steps_.syncFolder(target_.parent_path());
    }

  private:
    // A name of ours beside the target; a leftover of an interrupted update
    // under it is replaced, anything but a file is avoided.
    static fs::path ourNameBeside(const fs::path& target, const std::string& suffix) {
        std::error_code ec;
        fs::path name = target.string() + suffix;
        fs::file_status status = fs::symlink_status(name, ec);
        if (fs::exists(status) && !fs::is_regular_file(status) && !fs::is_symlink(status))
            return unusedNameBeside(target, suffix);
        return name;
    }

    void removeIfPresent(const fs::path& file) {
        std::error_code ec;
        if (fs::exists(fs::symlink_status(file, ec)))
            steps_.remove(file);
    }

    std::string failure(const std::exception& e) const {
        return "Could not update " + quoted(target_) + ". " + sentence(e);
    }

    [[noreturn]] void fail(const std::exception& e) {
        removeQuietly(newVersion_, steps_);
        throw ReplaceFailed(failure(e) + " The file is not changed.");
    }

    ReplaceSteps& steps_;
    fs::path target_;
    fs::path newVersion_;
    fs::path previous_;
    fs::path old_;
};

} // namespace

void replaceKeepingOld(const fs::path& target, const std::vector<std::string>& lines,
                       ReplaceSteps& steps) {
    Replacement replacement(target, steps);
    replacement.writeNewVersion(lines);
    replacement.linkCurrentVersion();
    replacement.putNewVersionInPlace();
    replacement.keepPreviousAsOld();
}

} // namespace climora
