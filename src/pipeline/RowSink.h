#pragma once

namespace climora {

// Takes the data rows of a run as they are read, one row of column-count
// values at a time.
class RowSink {
  public:
    virtual ~RowSink() = default;
    virtual void addRow(const double* values) = 0;
    // The rows end here: the next value a row needs cannot be read.
    virtual void endAtUnreadable() = 0;
    // The rows are all there.
    virtual void finish() = 0;
};

} // namespace climora
