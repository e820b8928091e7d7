#pragma once

#include "tools/RemoveColumns.h"

#include <QDialog>

#include <functional>

class QListWidget;

namespace climora {

// The "Remove data columns" window: a check list of the columns "1" to "30",
// none ticked when it opens, "Reset all", OK and Cancel. OK hands the marks
// to `removeColumns` (which rewrites the input panel) and closes when that
// succeeded; after a reported failure the window stays open. Cancel closes
// and changes nothing.
//
// The main window opens it window-modal (open() or exec()), which keeps the
// main window disabled until it closes.
class RemoveColumnsDialog : public QDialog {
    Q_OBJECT
  public:
    using RemoveColumnsCall = std::function<bool(const ColumnMarks& marks)>;
    explicit RemoveColumnsDialog(RemoveColumnsCall removeColumns, QWidget* parent = nullptr);

    ColumnMarks marks() const;
    void resetAll();

  private:
    void confirm();

    RemoveColumnsCall removeColumns_;
    QListWidget* columns_;
};

} // namespace climora
