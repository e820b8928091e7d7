#include "pipeline/WeatherFileUpdateReplace.h"

#include "app/TextFile.h"

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

void replaceKeepingOld(const fs::path& target, const std::vector<std::string>& lines,
                       ReplaceSteps& steps) {
    const std::string failed = "Could not update " + quoted(target) + ". ";
    const std::string intact = " The file is not changed.";
    const fs::path newVersion = unusedNameBeside(target, ".new~");
    const fs::path old = oldVersionOf(target);
    std::error_code ec;
    const bool hadOld = fs::exists(fs::symlink_status(old, ec));
    const fs::path earlierOld = hadOld ? unusedNameBeside(old, "~") : fs::path();

    try {
        steps.writeNew(newVersion, lines);
        takePermissions(target, newVersion);
    } catch (const std::exception& e) {
        removeQuietly(newVersion, steps);
        throw ReplaceFailed(failed + sentence(e) + intact);
    }
    // The earlier ".old" is set aside, not deleted, until the new file stands.
    try {
        if (hadOld)
            steps.rename(old, earlierOld);
        try {
            steps.rename(target, old);
        } catch (...) {
            if (hadOld)
                renameQuietly(earlierOld, old, steps);
            throw;
        }
    } catch (const std::exception& e) {
        removeQuietly(newVersion, steps);
        throw ReplaceFailed(failed + sentence(e) + intact);
    }
    try {
        steps.rename(newVersion, target);
    } catch (const std::exception& e) {
        bool restored = renameQuietly(old, target, steps);
        if (restored && hadOld)
            renameQuietly(earlierOld, old, steps);
        removeQuietly(newVersion, steps);
        throw ReplaceFailed(failed + sentence(e) +
                            (restored ? intact : " The original file is now " + quoted(old) + "."));
    }
    if (hadOld)
        removeQuietly(earlierOld, steps);
}

} // namespace climora
