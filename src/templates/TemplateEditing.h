#pragma once

#include "base/Messenger.h"
#include "templates/DataTemplate.h"
#include "templates/TemplateStore.h"

#include <string>
#include <vector>

namespace climora {

// The changes the two template dialogs make to the list file and the
// settings file. Each change either completes or leaves both files as they
// were: a rewrite that fails puts the original settings file back from its
// backup and then reports the failure.

// "Manage template list...": false, after "No template list is found.", when
// the work folder has no list file.
bool templateListAvailable(const TemplateStore& store, Messenger& messenger);

enum class EditStatus {
    Done,
    Refused, // the user's input was refused or declined; the dialog stays as it is
    Failed,  // the files could not be changed and are as they were; reported
};

struct SaveResult {
    EditStatus status = EditStatus::Refused;
    std::vector<std::string> names; // the list after the save, sorted
    int selectedPosition = -1;      // the drop-down's selection after the save
};

// "Save": stores `current` under current.name. `names` are the names of the
// dialog's list. An existing name (compared exactly) is overwritten only on
// Yes; its block moves to the end of the settings file.
SaveResult saveTemplate(const TemplateStore& store, const std::vector<std::string>& names,
                        const DataTemplate& current, Messenger& messenger);

// Renames names[position] to `newName` in both files; on Done `names` holds
// the new sorted list. An empty name or the name of another template is
// refused with an error box and nothing is written.
EditStatus renameTemplate(const TemplateStore& store, std::vector<std::string>& names, int position,
                          const std::string& newName, Messenger& messenger);

// Deletes names[position] from both files after "Delete this template?"; on
// Done `names` holds the list without it. A position outside the list does
// nothing (Refused, no message).
EditStatus deleteTemplate(const TemplateStore& store, std::vector<std::string>& names, int position,
                          Messenger& messenger);

} // namespace climora
