#include "pipeline/WeatherFileUpdate.h"

#include "base/TextFile.h"
#include "pipeline/WeatherFileUpdateMerge.h"

#include <filesystem>
#include <optional>

namespace climora {
namespace fs = std::filesystem;

bool isReadOnlyFile(const fs::path& file) {
    std::error_code ec;
    fs::perms perms = fs::status(file, ec).permissions();
    constexpr fs::perms anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return !ec && (perms & anyWrite) == fs::perms::none;
}

std::string readOnlyRefusal(const std::string& fileName) {
    return fileName + " is read-only. The existing file is not changed.";
}

namespace {

// The chosen file, or the file a symlink leads to: that is the file updated,
// its ".old" beside it.
fs::path fileBehind(const fs::path& chosen) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(chosen, ec))) {
        fs::path target = fs::canonical(chosen, ec);
        if (!ec)
            return target;
    }
    return chosen;
}

// The existing file's lines; throws UpdateStopped when it cannot be used.
std::vector<std::string> readExistingFile(const fs::path& file) {
    const std::string name = file.filename().string();
    if (isReadOnlyFile(file))
        throw UpdateStopped(readOnlyRefusal(name));
    try {
        return readTextLines(file);
    } catch (const NotATextFile&) {
        throw UpdateStopped(name + " is not a text file. The existing file is not changed.");
    } catch (const FileError& e) {
        std::string reason = e.what();
        if (!reason.empty() && reason.back() != '.')
            reason += '.';
        throw UpdateStopped(reason + " The existing file is not changed.");
    }
}

// What the update appends, after the questions it needs; nothing when the
// user's answer or the data end it.
std::optional<std::vector<std::string>> newVersion(const std::vector<std::string>& outputLines,
                                                   const fs::path& file, Messenger& messenger,
                                                   UpdateOutcome& outcome) {
    ExistingWeatherData existing =
        readExistingWeatherData(readExistingFile(file), file.filename().string());
    NewDays days = findNewDays(outputLines, existing.lastDay);
    if (days.kind == NewDaysKind::NothingNew) {
        messenger.notify(std::string(noNeedToUpdateMessage));
        outcome = UpdateOutcome::NothingNew;
        return std::nullopt;
    }
    if (days.kind == NewDaysKind::Gap) {
        messenger.tone(Tone::Error);
        if (!messenger.confirm(std::string(gapQuestion))) {
            outcome = UpdateOutcome::Declined;
            return std::nullopt;
        }
    }
    existing.lines.insert(existing.lines.end(), days.lines.begin(), days.lines.end());
    return std::move(existing.lines);
}

} // namespace

fs::path absoluteOrAsGiven(const fs::path& file) {
    std::error_code ec;
    fs::path absolute = fs::absolute(file, ec);
    return ec ? file : absolute;
}

std::string updatedMessage(const std::string& fileName) {
    return fileName + " is now updated. The origina file is renamed to '" + fileName + ".old.'";
}

UpdateOutcome updateAgroviaWeatherFile(const std::vector<std::string>& outputLines,
                                       const fs::path& chosen, Messenger& messenger,
                                       const NumberPlaceWatch& placeWatch) {
    ReplaceSteps steps;
    return updateAgroviaWeatherFile(outputLines, chosen, messenger, steps, placeWatch);
}

UpdateOutcome updateAgroviaWeatherFile(const std::vector<std::string>& outputLines,
                                       const fs::path& chosen, Messenger& messenger,
                                       ReplaceSteps& steps, const NumberPlaceWatch& placeWatch) {
    fs::path file = fileBehind(absoluteOrAsGiven(chosen));

    UpdateOutcome outcome = UpdateOutcome::Updated;
    std::optional<std::vector<std::string>> lines;
    try {
        lines = newVersion(outputLines, file, messenger, outcome);
    } catch (const UnreadableDayNumber& e) {
        if (placeWatch)
            placeWatch(e.place);
        messenger.reportError(e.what());
        return UpdateOutcome::Refused;
    } catch (const UpdateStopped& e) {
        messenger.reportError(e.what());
        return UpdateOutcome::Refused;
    }
    if (!lines)
        return outcome;
    try {
        replaceKeepingOld(file, *lines, steps);
    } catch (const ReplaceFailed& e) {
        messenger.reportError(e.what());
        return UpdateOutcome::ReplaceFailed;
    }
    // Told only once the file has really been replaced.
    messenger.notify(updatedMessage(file.filename().string()));
    return UpdateOutcome::Updated;
}

int updateExitCode(UpdateOutcome outcome) {
    switch (outcome) {
    case UpdateOutcome::Refused:
        return 1;
    case UpdateOutcome::ReplaceFailed:
        return 2;
    default:
        return 0;
    }
}

} // namespace climora
