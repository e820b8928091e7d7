#pragma once

#include "input/ColumnSpec.h"
#include "notes/Note.h"

#include <optional>
#include <string_view>
#include <vector>

namespace climora {

// Watches the data lines, as the input holds them, for dates written with
// slashes (2020/01/01), which the cleaning turns into three numbers.
class SlashDates {
  public:
    void see(std::string_view line, long lineNumber);

    // A note naming the column where the first such date begins, unless the
    // three columns it becomes hold only Year, Month and Day.
    std::optional<Note> note(const ColumnSpec& spec) const;

  private:
    int column_ = 0; // of the first date seen, 1-based after the cleaning
    std::vector<long> lines_;
};

} // namespace climora
