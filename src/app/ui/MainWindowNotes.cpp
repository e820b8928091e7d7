// The notes strip and its switch, kept in "Climora.ini".
#include "app/ui/MainWindow.h"

#include "base/Command.h"
#include "charts/ChartMarks.h"
#include "input/ui/InputGroup.h"
#include "notes/ui/NotesStrip.h"

#include <QAction>
#include <QPlainTextEdit>

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
    stripShowsSuggestion_ = false;
    if (plausibilityNotes_->isChecked())
        notesStrip_->showNotes(notes);
    else
        notesStrip_->clearNotes();
}

void MainWindow::showSuggestionNotes(const std::vector<std::string>& notes) {
    std::vector<Note> shown;
    for (const std::string& text : notes)
        shown.push_back({text, {}});
    notesStrip_->showNotes(shown);
    stripShowsSuggestion_ = !shown.empty();
}

void MainWindow::keepRunNotes(std::vector<Note> notes, std::size_t inputHash) {
    runNotes_ = std::move(notes);
    runInputHash_ = inputHash;
}

// Marks only while the notes are on and the panel holds what the run read.
std::vector<LineMark> MainWindow::runNoteMarks() const {
    if (runNotes_.empty() || !plausibilityNotes_->isChecked() || inputPanelHash() != runInputHash_)
        return {};
    return noteMarks(runNotes_);
}

std::size_t MainWindow::inputPanelHash() const {
    return qHash(inputGroup_->panel()->toPlainText());
}

} // namespace climora
