#pragma once

#include <QString>

class QPlainTextEdit;

namespace climora {

// Edits of a plain-text panel made through a text cursor, so that a panel of
// a million lines changes where it changes instead of being rebuilt.
//
// A panel's lines are its text split at line ends; a final line end closes
// the last line (it starts no further one). Lines are counted from 0.

// Deletes `count` lines from `first` on (as many as there are).
void removePanelLines(QPlainTextEdit& panel, long long first, long long count);
// Inserts a line before line `index` (after the last line when there are fewer).
void insertPanelLine(QPlainTextEdit& panel, long long index, const QString& text);

// Both edits leave every line ended by a line end, as a panel filled line by
// line shows them.

// Texts up to this many lines (old and new together) are replaced in a way
// Ctrl+Z takes back; larger ones replace the text without an undo copy, which
// would hold both texts in memory.
inline constexpr long long undoablePanelLines = 200000;

// Replaces the panel's whole text in one step that Ctrl+Z takes back (within
// the limit above) and shows the panel from its top.
void replacePanelText(QPlainTextEdit& panel, const QString& text);

} // namespace climora
