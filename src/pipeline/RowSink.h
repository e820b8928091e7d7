#pragma once

#include <string>
#include <vector>

namespace climora {

// Takes the data rows of a run as they are read, one row of column-count
// values at a time.
class RowSink {
  public:
    virtual ~RowSink() = default;
    // The header lines as read, before the first row.
    virtual void beginRows(const std::vector<std::string>& headerLines) { (void)headerLines; }
    virtual void addRow(const double* values) = 0;
    // The rows end here: the next value a row needs cannot be read.
    virtual void endAtUnreadable() = 0;
    // The rows are all there.
    virtual void finish() = 0;
};

} // namespace climora
