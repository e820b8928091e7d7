#include "charts/Decimation.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace climora {

namespace {

void addBucket(const std::vector<double>& values, std::size_t first, std::size_t last,
               std::vector<std::size_t>& rows) {
    std::size_t firstValue = last, lastValue = last, low = last, high = last;
    for (std::size_t i = first; i < last; ++i) {
        double v = values[i];
        if (std::isnan(v))
            continue;
        if (firstValue == last)
            firstValue = low = high = i;
        lastValue = i;
        if (v < values[low])
            low = i;
        if (v > values[high])
            high = i;
    }
    if (firstValue == last)
        return;
    std::size_t picked[] = {firstValue, low, high, lastValue};
    std::sort(std::begin(picked), std::end(picked));
    for (std::size_t row : picked)
        if (rows.empty() || rows.back() != row)
            rows.push_back(row);
}

} // namespace

std::vector<std::size_t> drawnRows(const std::vector<double>& values, std::size_t first,
                                   std::size_t last, std::size_t buckets,
                                   const std::vector<bool>& marked) {
    last = std::min(last, values.size());
    std::vector<std::size_t> rows;
    if (first >= last)
        return rows;
    std::size_t count = last - first;
    buckets = std::max<std::size_t>(buckets, 1);
    if (count <= 4 * buckets) {
        for (std::size_t i = first; i < last; ++i)
            if (!std::isnan(values[i]))
                rows.push_back(i);
        return rows;
    }
    rows.reserve(4 * buckets + 16);
    for (std::size_t b = 0; b < buckets; ++b)
        addBucket(values, first + count * b / buckets, first + count * (b + 1) / buckets, rows);
    std::vector<std::size_t> extra;
    for (std::size_t i = first; i < last && i < marked.size(); ++i)
        if (marked[i] && !std::isnan(values[i]))
            extra.push_back(i);
    if (!extra.empty()) {
        std::vector<std::size_t> merged;
        std::set_union(rows.begin(), rows.end(), extra.begin(), extra.end(),
                       std::back_inserter(merged));
        rows.swap(merged);
    }
    return rows;
}

RowRange rowsBetween(const std::vector<long long>& days, double from, double to) {
    RowRange range{days.size(), 0};
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (days[i] < from || days[i] > to)
            continue;
        range.first = std::min(range.first, i);
        range.last = i + 1;
    }
    if (range.last == 0)
        range.first = 0;
    return range;
}

DayIndex::DayIndex(const std::vector<long long>& days) : days_(days), order_(days.size()) {
    std::iota(order_.begin(), order_.end(), std::size_t{0});
    std::stable_sort(order_.begin(), order_.end(),
                     [&](std::size_t a, std::size_t b) { return days_[a] < days_[b]; });
}

std::optional<std::size_t> DayIndex::nearest(double day) const {
    if (order_.empty())
        return std::nullopt;
    auto after = std::lower_bound(order_.begin(), order_.end(), day,
                                  [&](std::size_t row, double d) { return days_[row] < d; });
    if (after == order_.end())
        after = std::lower_bound(order_.begin(), order_.end(), days_[order_.back()],
                                 [&](std::size_t row, long long d) { return days_[row] < d; });
    else if (after != order_.begin()) {
        auto before = std::prev(after);
        if (day - days_[*before] < days_[*after] - day)
            after = std::lower_bound(order_.begin(), order_.end(), days_[*before],
                                     [&](std::size_t row, long long d) { return days_[row] < d; });
    }
    return *after;
}

} // namespace climora
