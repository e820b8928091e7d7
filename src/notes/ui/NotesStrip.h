#pragma once

#include "notes/Note.h"

#include <QFrame>

#include <vector>

class QLabel;
class QToolButton;

namespace climora {

// A compact strip under the output panel that lists a run's notes, one line
// each; hidden while there are none, and until the next run once dismissed.
class NotesStrip : public QFrame {
    Q_OBJECT
  public:
    explicit NotesStrip(QWidget* parent = nullptr);

    // Shows the notes (hides the strip when there are none).
    void showNotes(const std::vector<Note>& notes);
    void clearNotes() { showNotes({}); }
    QString text() const;
    QToolButton* dismissButton() const { return dismiss_; }

  private:
    QLabel* text_;
    QToolButton* dismiss_;
};

} // namespace climora
