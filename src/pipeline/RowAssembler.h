#pragma once

#include "pipeline/NormalForm.h"
#include "pipeline/RowSink.h"

#include <span>
#include <vector>

namespace climora {

// Groups the tokens of rewritten data lines into rows exactly as the row
// reader groups the lines' text: a row takes the next column-count values,
// across lines when a line runs short, and the rest of the line its last
// value came from is skipped; a row whose first value is 0 ends the data, and
// so does the end of the file, where missing values read as 0. An unreadable
// token ends the rows where a row needs it. The rows go to every sink.
class RowAssembler {
  public:
    RowAssembler(std::size_t columns, std::vector<RowSink*> sinks);

    // The tokens of the next rewritten line.
    void line(std::span<const RereadToken> tokens);
    // The end of the file: finishes the sinks.
    void finish();

  private:
    std::vector<RowSink*> sinks_;
    std::vector<double> row_;
    std::size_t filled_ = 0;
    bool ended_ = false;
};

} // namespace climora
