#pragma once

#include "base/TextFile.h"
#include "pipeline/NumberReader.h"
#include "pipeline/TaskContext.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

namespace climora {

// The data rows of Input.~ in the order readRow reads them: each row fills
// the context's record, and the rows end at the end of the file or at a row
// whose first value is 0.
//
// Reading numbers from text is the costly part of a pass, so the checkup
// records the values of every row it reads in Rows.~, and the passes after
// it replay that recording instead of reading Input.~ again.
class DataRows {
  public:
    enum class Mode {
        Read,   // read Input.~
        Record, // read Input.~ and record the rows in Rows.~
        Replay, // replay Rows.~ when it is there, else read Input.~
    };

    DataRows(TaskContext& context, Mode mode);
    ~DataRows();
    DataRows(const DataRows&) = delete;
    DataRows& operator=(const DataRows&) = delete;

    // Fills the record with the next row; false when there is none.
    bool next();

    // Removes the recording; a run does so when it ends.
    static void discardRecording(const WorkFolder& work);

  private:
    bool readFromText();
    bool replayRow();
    void flushRecording();

    TaskContext& context_;
    std::size_t columns_;
    std::filesystem::path recordingPath_;
    std::optional<TextLineReader> text_;
    std::optional<NumberReader> numbers_;
    std::FILE* recording_ = nullptr;
    bool replaying_ = false;
    bool complete_ = false;      // the recording reached the last row
    std::vector<double> values_; // the recording's buffer, whole rows
    std::size_t used_ = 0;       // values of the buffer replayed so far
};

} // namespace climora
