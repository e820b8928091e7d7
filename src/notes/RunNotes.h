#pragma once

#include "input/ColumnSpec.h"
#include "notes/Note.h"
#include "notes/PlausibilityRules.h"
#include "notes/SlashDates.h"
#include "pipeline/DataCheckup.h"
#include "pipeline/RowExtraction.h"
#include "pipeline/TaskContext.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace climora {

// The notes of one Process run, gathered as its steps go. Gathering them
// never changes a file, a message or the run's outcome: a failure while
// gathering drops the notes it concerns.
class RunNotes {
  public:
    // The input's lines, end notes included.
    void setFileLines(long lines) { fileLines_ = lines; }
    // Sees the data lines as the extraction reads them.
    RawLineWatch lineWatch();
    // After the extraction: notes on the lines it has seen.
    void afterExtraction(const ColumnSpec& spec);
    // Sees the rows the checkup screens, for the plausibility notes.
    // `inputSpec` holds the input's units, as they were before a task changed
    // its estimate's unit; it must outlive the notes.
    ScreenedRowWatch rowWatch(const ColumnSpec& inputSpec, long rowsBeforeData,
                              std::optional<double> latitude);
    // After a run that went through every row: the plausibility notes on
    // the rows the checkup screened, the rows box leaving no data rows, and,
    // for a result in the Agrovia layout, the variables written as 0 for want
    // of a column.
    void afterRows(const TaskContext& context, const ColumnSpec& inputSpec, long rowsBeforeData);

    std::vector<Note> take() { return std::move(notes_); }

  private:
    long fileLines_ = 0;
    SlashDates slashDates_;
    std::optional<PlausibilityNotes> plausibility_;
    long nextRowLine_ = 0;
    std::vector<Note> notes_;
};

// "no data rows: the file has N lines; R rows before data start".
Note noDataRowsNote(long fileLines, long rowsBeforeData);
// The Agrovia layout's variables that no column supplies for this task,
// written as 0 on every line; nothing when every one has its column.
std::optional<Note> layoutGapsNote(const ColumnSpec& spec, int task);

} // namespace climora
