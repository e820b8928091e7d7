#pragma once

#include "base/TextFile.h"
#include "pipeline/NumberReader.h"
#include "pipeline/RowRecording.h"
#include "pipeline/TaskContext.h"

#include <memory>
#include <optional>
#include <vector>

namespace climora {

// The data rows of Input.~ in the order readRow reads them: each row fills
// the context's record, and the rows end at the end of the file or at a row
// whose first value is 0.
//
// Reading numbers from text is the costly part of a pass, so each run reads
// them once: the extraction records the rows it writes (or, when it leaves
// the values as text, the first pass records them), and the passes after it
// replay the context's recording instead of reading Input.~ again.
class DataRows {
  public:
    enum class Mode {
        Read,   // read Input.~
        Record, // replay the recording when there is one, else read Input.~ and record it
        Replay, // replay the recording when there is one, else read Input.~
    };

    DataRows(TaskContext& context, Mode mode);
    ~DataRows();
    DataRows(const DataRows&) = delete;
    DataRows& operator=(const DataRows&) = delete;

    // Fills the record with the next row; false when there is none.
    bool next();

    // Drops the context's recording (and its file); a run does so when it ends.
    static void discardRecording(TaskContext& context);

  private:
    bool readFromText();
    void assignRow();

    TaskContext& context_;
    std::size_t columns_;
    std::optional<TextLineReader> text_;
    std::optional<NumberReader> numbers_;
    std::optional<RowRecording::Replay> replay_;
    std::shared_ptr<RowRecording> recording_; // being recorded by this pass
    std::vector<double> values_;
};

} // namespace climora
