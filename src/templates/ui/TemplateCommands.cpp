#include "templates/ui/TemplateCommands.h"

#include "templates/TemplateEditing.h"
#include "templates/ui/SaveTemplateDialog.h"
#include "templates/ui/TemplateComboBox.h"
#include "templates/ui/TemplateManagerDialog.h"

#include <memory>

namespace climora {

ApplyOutcome applySelectedTemplate(const TemplateStore& store, TemplateComboBox& dropDown,
                                   std::string& rowsText, ColumnSlots& columnSlots,
                                   Messenger& messenger) {
    ApplyOutcome outcome =
        store.applyTemplate(dropDown.selectedName(), rowsText, columnSlots, messenger);
    dropDown.showApplyOutcome(outcome);
    return outcome;
}

ApplyOutcome retrieveLastSessionTemplate(const TemplateStore& store, TemplateComboBox& dropDown,
                                         std::string& rowsText, ColumnSlots& columnSlots,
                                         Messenger& messenger) {
    ApplyOutcome outcome = store.retrieveLastSession(rowsText, columnSlots, messenger);
    dropDown.showApplyOutcome(outcome);
    return outcome;
}

bool saveCurrentDataTemplate(QWidget* window, const TemplateStore& store, Messenger& messenger,
                             TemplateComboBox& dropDown, const DataTemplate& current) {
    SaveTemplateDialog dialog(store, messenger, dropDown.names(), current, window);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dropDown.setNames(dialog.saveResult().names);
    dropDown.selectPosition(dialog.saveResult().selectedPosition);
    return true;
}

void manageTemplateList(QWidget* window, const TemplateStore& store, Messenger& messenger,
                        TemplateComboBox& dropDown) {
    if (!templateListAvailable(store, messenger))
        return;
    std::unique_ptr<TemplateManagerDialog> dialog;
    try {
        dialog = std::make_unique<TemplateManagerDialog>(store, messenger, window);
    } catch (const std::exception& failure) {
        messenger.reportError(failure.what());
        return;
    }
    dialog->exec();
    dialog.reset();
    fillTemplateDropDown(store, dropDown, messenger);
}

void fillTemplateDropDown(const TemplateStore& store, TemplateComboBox& dropDown,
                          Messenger& messenger) {
    try {
        dropDown.setNames(store.loadNames());
    } catch (const std::exception& failure) {
        dropDown.setNames({});
        messenger.reportError(failure.what());
    }
}

} // namespace climora
