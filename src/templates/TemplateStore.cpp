#include "templates/TemplateStore.h"

#include "base/TextFile.h"
#include "templates/TemplateNames.h"

#include <algorithm>

namespace climora {
namespace {

const char* const notFoundText = "Settings are not found for the selected template.";

// The line after the first line that equals the name; nothing when no line
// does, or when the matching line is the last one. Every line is compared,
// numbers lines included.
std::optional<std::size_t> settingsAfterName(const std::vector<std::string>& lines,
                                             const std::string& name) {
    auto found = std::find(lines.begin(), lines.end(), name);
    if (found == lines.end() || found + 1 == lines.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - lines.begin()) + 1;
}

} // namespace

std::optional<TemplateBoxColour> colourAfterApply(ApplyOutcome outcome, bool boxShowsName) {
    if (outcome != ApplyOutcome::Applied)
        return std::nullopt;
    return boxShowsName ? TemplateBoxColour::Normal : TemplateBoxColour::Yellow;
}

std::vector<std::string> TemplateStore::loadNames() const {
    if (!hasList())
        return {};
    std::vector<std::string> names = readTextLines(folder_.file(templateListFile));
    std::erase_if(names, [](const std::string& name) { return name.empty(); });
    return sortedNames(std::move(names));
}

void TemplateStore::saveNames(const std::vector<std::string>& names) const {
    // Written beside the list and moved over it, so that a failed write
    // leaves the old list whole.
    std::filesystem::path scratch = folder_.path() / temporary::templateList;
    std::error_code ec;
    try {
        writes_.writeLines(scratch, names);
    } catch (...) {
        std::filesystem::remove(scratch, ec);
        throw;
    }
    std::filesystem::path list = folder_.file(templateListFile);
    std::filesystem::rename(scratch, list, ec);
    if (ec) {
        std::filesystem::remove(scratch, ec);
        throw FileError("Cannot write file \"" + list.string() + "\".");
    }
}

ApplyOutcome TemplateStore::applyTemplate(const std::optional<std::string>& selectedName,
                                          std::string& rowsText, ColumnSlots& slots,
                                          Messenger& messenger) const {
    if (!selectedName || !folder_.exists(templateSettingsFile))
        return ApplyOutcome::NothingDone;
    slots.clearUnitBoxes();
    try {
        std::vector<std::string> lines = readTextLines(folder_.file(templateSettingsFile));
        std::optional<std::size_t> settings = settingsAfterName(lines, *selectedName);
        if (!settings) {
            messenger.reportError(notFoundText);
            return ApplyOutcome::NotFound;
        }
        applySettingsLines(lines, *settings, templateSettingsFile, rowsText, slots);
    } catch (const std::runtime_error& failure) {
        messenger.reportError(failure.what());
        return ApplyOutcome::Failed;
    }
    return ApplyOutcome::Applied;
}

ApplyOutcome TemplateStore::retrieveLastSession(std::string& rowsText, ColumnSlots& slots,
                                                Messenger& messenger) const {
    std::vector<std::string> lines;
    try {
        lines = readTextLines(folder_.file(lastSessionTemplateFile));
    } catch (const std::runtime_error&) {
        return ApplyOutcome::NothingDone;
    }
    slots.clearUnitBoxes();
    try {
        applySettingsLines(lines, 0, lastSessionTemplateFile, rowsText, slots);
    } catch (const TemplateFormatError& failure) {
        messenger.reportError(failure.what());
        return ApplyOutcome::Failed;
    }
    return ApplyOutcome::Applied;
}

void TemplateStore::saveTheTemplate(const DataTemplate& current) const {
    std::string text = current.rowsBeforeData + "\r\n" + positionsLine(current.variablePositions) +
                       "\r\n" + positionsLine(current.unitPositions);
    writes_.writeText(folder_.file(lastSessionTemplateFile), text);
}

bool applyTemplateByName(const WorkFolder& folder, const std::string& name, std::string& rowsText,
                         ColumnSlots& slots, Messenger& messenger) {
    if (!folder.exists(templateSettingsFile)) {
        messenger.reportError(notFoundText);
        return false;
    }
    TemplateStore store(folder);
    return store.applyTemplate(name, rowsText, slots, messenger) == ApplyOutcome::Applied;
}

} // namespace climora
