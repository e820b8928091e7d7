#include "pipeline/WeatherFileUpdateReplace.h"

#include "base/TextFile.h"

#include <system_error>

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

void ReplaceSteps::remove(const fs::path& file) {
    std::error_code ec;
    if (!fs::remove(file, ec) && ec)
        throw FileError("Cannot delete " + quoted(file) + ". " + ec.message());
}

fs::path oldVersionOf(const fs::path& target) {
    return target.string() + ".old";
}

namespace {

// One replacement of `target`, step by step; every step undoes what the
// replacement did so far before it reports a failure.
class Replacement {
  public:
    Replacement(const fs::path& target, ReplaceSteps& steps)
        : steps_(steps), target_(target), newVersion_(unusedNameBeside(target, ".new~")),
          old_(oldVersionOf(target)) {
        std::error_code ec;
        hadOld_ = fs::exists(fs::symlink_status(old_, ec));
        if (hadOld_)
            earlierOld_ = unusedNameBeside(old_, "~");
    }

    void writeNewVersion(const std::vector<std::string>& lines) {
        try {
            steps_.writeNew(newVersion_, lines);
            takePermissions(target_, newVersion_);
        } catch (const std::exception& e) {
            fail(e, true);
        }
    }

    // The earlier ".old" is set aside, not deleted, until the new file stands.
    void moveTargetToOld() {
        try {
            if (hadOld_)
                steps_.rename(old_, earlierOld_);
        } catch (const std::exception& e) {
            fail(e, true);
        }
        try {
            steps_.rename(target_, old_);
        } catch (const std::exception& e) {
            fail(e, restoreEarlierOld());
        }
    }

    void putNewVersionInPlace() {
        try {
            steps_.rename(newVersion_, target_);
        } catch (const std::exception& e) {
            bool restored = renameQuietly(old_, target_, steps_);
            fail(e, restored && restoreEarlierOld());
        }
        if (hadOld_)
            removeQuietly(earlierOld_, steps_);
    }

  private:
    bool restoreEarlierOld() { return !hadOld_ || renameQuietly(earlierOld_, old_, steps_); }

    [[noreturn]] void fail(const std::exception& e, bool targetIntact) {
        removeQuietly(newVersion_, steps_);
        std::string what = "Could not update " + quoted(target_) + ". " + sentence(e);
        if (targetIntact)
            throw ReplaceFailed(what + " The file is not changed.");
        if (fs::exists(target_))
            throw ReplaceFailed(what + " The file is not changed; its earlier backup is now " +
                                quoted(earlierOld_) + ".");
        throw ReplaceFailed(what + " The original file is now " + quoted(old_) + ".");
    }

    ReplaceSteps& steps_;
    fs::path target_;
    fs::path newVersion_;
    fs::path old_;
    bool hadOld_ = false;
    fs::path earlierOld_;
};

} // namespace

void replaceKeepingOld(const fs::path& target, const std::vector<std::string>& lines,
                       ReplaceSteps& steps) {
    Replacement replacement(target, steps);
    replacement.writeNewVersion(lines);
    replacement.moveTargetToOld();
    replacement.putNewVersionInPlace();
}

} // namespace climora
