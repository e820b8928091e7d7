#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace climora {

// The rows [first, last) to draw for `values` when about `buckets` buckets
// fit: per bucket of rows its first, lowest, highest and last value, so
// peaks survive, plus every row `marked` flags. Rows without a value (NaN)
// are never drawn. Ascending; all rows with a value when they fit anyway.
// Drawing only: values shown to the user come from the full rows.
std::vector<std::size_t> drawnRows(const std::vector<double>& values, std::size_t first,
                                   std::size_t last, std::size_t buckets,
                                   const std::vector<bool>& marked);

// The rows whose day lies in [from, to]: the smallest range [first, last)
// that holds them all (rows in file order may step back).
struct RowRange {
    std::size_t first = 0;
    std::size_t last = 0;
};
RowRange rowsBetween(const std::vector<long long>& days, double from, double to);

// Finds the row nearest to a day, for tooltips and clicks.
class DayIndex {
  public:
    explicit DayIndex(const std::vector<long long>& days);
    // The row whose day is nearest to `day` (the first in file order among
    // equals); nothing for no rows.
    std::optional<std::size_t> nearest(double day) const;

  private:
    const std::vector<long long>& days_;
    std::vector<std::size_t> order_; // rows by ascending day
};

} // namespace climora
