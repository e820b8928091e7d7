#pragma once

#include "base/Messenger.h"
#include "input/ColumnSlots.h"
#include "templates/TemplateStore.h"

#include <string>

class QWidget;

namespace climora {

class TemplateComboBox;

// The main window's template commands. `window` is the main window: the
// dialogs are modal to it, so it takes no input while one is open.

// A choice in the drop-down (or a capture in the explorer): applies the
// selected template to the rows text and the slots, then sets the
// drop-down's colour. The caller shows the rows text and the slots again
// afterwards, whatever the outcome (a failed read keeps what was applied).
ApplyOutcome applySelectedTemplate(const TemplateStore& store, TemplateComboBox& dropDown,
                                   std::string& rowsText, ColumnSlots& columnSlots,
                                   Messenger& messenger);

// "Retrieve last session template".
ApplyOutcome retrieveLastSessionTemplate(const TemplateStore& store, TemplateComboBox& dropDown,
                                         std::string& rowsText, ColumnSlots& columnSlots,
                                         Messenger& messenger);

// "Save current data template...": runs the save dialog; after a save the
// drop-down holds the new list with the saved name selected (not applied,
// colour unchanged). True when a template was saved.
bool saveCurrentDataTemplate(QWidget* window, const TemplateStore& store, Messenger& messenger,
                             TemplateComboBox& dropDown, const DataTemplate& current);

// "Manage template list...": "No template list is found." without a list
// file; otherwise runs the management dialog and, when it closes, reloads
// the drop-down from the list file (no selection, colour unchanged).
void manageTemplateList(QWidget* window, const TemplateStore& store, Messenger& messenger,
                        TemplateComboBox& dropDown);

// Start-up: the drop-down's items from the list file (none without one).
// A list file that cannot be read is reported and leaves the drop-down empty.
void fillTemplateDropDown(const TemplateStore& store, TemplateComboBox& dropDown,
                          Messenger& messenger);

} // namespace climora
