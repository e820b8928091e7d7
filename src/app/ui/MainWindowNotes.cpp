// The notes strip and its switch, kept in "Climora.ini".
#include "app/ui/MainWindow.h"

#include "base/Command.h"
#include "notes/ui/NotesStrip.h"

#include <QAction>

namespace climora {
namespace {

constexpr const char* notesKey = "PlausibilityNotes";

} // namespace

void MainWindow::loadProgramSettings() {
    settings_.load(frame_.workFolder->file(ProgramSettings::fileName));
    plausibilityNotes_->setChecked(settings_.flag(notesKey, true));
}

// The menu item was clicked: the choice is kept at once, and switching the
// notes off takes the strip away.
void MainWindow::setNotesShown(bool shown) {
    settings_.setFlag(notesKey, shown);
    runCommand(messenger_, [this, shown] {
        ProgramSettings::update(frame_.workFolder->file(ProgramSettings::fileName),
                                [shown](ProgramSettings& kept) { kept.setFlag(notesKey, shown); });
    });
    if (!shown)
        notesStrip_->clearNotes();
}

void MainWindow::showNotes(const std::vector<Note>& notes) {
    if (plausibilityNotes_->isChecked())
        notesStrip_->showNotes(notes);
    else
        notesStrip_->clearNotes();
}

} // namespace climora
