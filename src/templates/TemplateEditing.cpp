#include "templates/TemplateEditing.h"

#include "templates/TemplateNames.h"

#include <functional>

namespace climora {
namespace {

const char* const problemsText = "Problems encountered. Operation aborted.";
const char* const noNameText = "No name is given.";
const char* const duplicateNameText = "A template of the same name already exists.";

// Runs one change of the two files. The change returns false when the
// settings file's block structure is broken. Any failure is reported after
// the SettingsRewrite inside the change has put the original file back.
EditStatus runChange(Messenger& messenger, const std::function<bool()>& change) {
    try {
        if (change())
            return EditStatus::Done;
        messenger.reportError(problemsText);
    } catch (const std::exception& failure) {
        messenger.reportError(failure.what());
    }
    return EditStatus::Failed;
}

bool isValidPosition(const std::vector<std::string>& names, int position) {
    return position >= 0 && position < static_cast<int>(names.size());
}

// The settings file without the overwritten block (if any) and with the
// new block appended after one empty line; then the new list.
bool writeSavedTemplate(const TemplateStore& store, const DataTemplate& current, bool overwrite,
                        const std::vector<std::string>& newNames) {
    SettingsRewrite rewrite(store.folder(), store.writes(), settingsBackupFile);
    std::vector<std::string> lines = rewrite.begin(/*mayBeMissing=*/true);
    if (overwrite) {
        auto kept = rewriteBlocks(lines, current.name, std::nullopt, true);
        if (!kept)
            return false;
        lines = std::move(*kept);
    }
    lines.emplace_back();
    for (std::string& line : blockLines(current))
        lines.push_back(std::move(line));
    rewrite.write(lines);
    store.saveNames(newNames);
    rewrite.commit();
    return true;
}

} // namespace

bool templateListAvailable(const TemplateStore& store, Messenger& messenger) {
    if (store.hasList())
        return true;
    messenger.reportError("No template list is found.");
    return false;
}

SaveResult saveTemplate(const TemplateStore& store, const std::vector<std::string>& names,
                        const DataTemplate& current, Messenger& messenger) {
    if (current.name.empty()) {
        messenger.reportError(noNameText);
        return {};
    }
    std::optional<int> existing = findName(names, current.name);
    if (existing) {
        messenger.tone(Tone::Exclamation);
        if (!messenger.confirm("Overwrite the existing template of the same name?"))
            return {};
    }
    std::vector<std::string> newNames = names;
    if (existing)
        newNames.erase(newNames.begin() + *existing);
    insertSorted(newNames, current.name);

    EditStatus status = runChange(messenger, [&] {
        return writeSavedTemplate(store, current, existing.has_value(), newNames);
    });
    if (status != EditStatus::Done)
        return {status, names, -1};
    return {status, newNames, positionToSelect(newNames, current.name)};
}

// Renames (or, without a new name, deletes) one block of the settings file
// through its backup, then writes the new list; `names` follows on success.
static EditStatus rewriteBlockAndList(const TemplateStore& store, std::string_view backupFile,
                                      const std::string& name,
                                      const std::optional<std::string>& newName,
                                      std::vector<std::string>& names,
                                      std::vector<std::string> newNames, Messenger& messenger) {
    EditStatus status = runChange(messenger, [&] {
        SettingsRewrite rewrite(store.folder(), store.writes(), backupFile);
        auto rewritten = rewriteBlocks(rewrite.begin(false), name, newName, false);
        if (!rewritten)
            return false;
        rewrite.write(*rewritten);
        store.saveNames(newNames);
        rewrite.commit();
        return true;
    });
    if (status == EditStatus::Done)
        names = std::move(newNames);
    return status;
}

EditStatus renameTemplate(const TemplateStore& store, std::vector<std::string>& names, int position,
                          const std::string& newName, Messenger& messenger) {
    if (!isValidPosition(names, position))
        return EditStatus::Refused;
    if (newName.empty()) {
        messenger.reportError(noNameText);
        return EditStatus::Refused;
    }
    for (int k = 0; k < static_cast<int>(names.size()); ++k) {
        if (k != position && names[k] == newName) {
            messenger.reportError(duplicateNameText);
            return EditStatus::Refused;
        }
    }
    const std::string oldName = names[position];
    std::vector<std::string> newNames = names;
    newNames.erase(newNames.begin() + position);
    insertSorted(newNames, newName);

    return rewriteBlockAndList(store, renameBackupFile, oldName, newName, names,
                               std::move(newNames), messenger);
}

EditStatus deleteTemplate(const TemplateStore& store, std::vector<std::string>& names, int position,
                          Messenger& messenger) {
    if (!isValidPosition(names, position))
        return EditStatus::Refused;
    if (!messenger.confirm("Delete this template?"))
        return EditStatus::Refused;
    const std::string name = names[position];
    std::vector<std::string> newNames = names;
    newNames.erase(newNames.begin() + position);

    return rewriteBlockAndList(store, settingsBackupFile, name, std::nullopt, names,
                               std::move(newNames), messenger);
}

} // namespace climora
