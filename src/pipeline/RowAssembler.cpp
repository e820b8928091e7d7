#include "pipeline/RowAssembler.h"

#include <algorithm>

namespace climora {

RowAssembler::RowAssembler(std::size_t columns, std::vector<RowSink*> sinks)
    : sinks_(std::move(sinks)), row_(columns, 0.0) {}

void RowAssembler::line(std::span<const RereadToken> tokens) {
    if (ended_)
        return;
    for (const RereadToken& token : tokens) {
        if (token.unreadable) {
            for (RowSink* sink : sinks_)
                sink->endAtUnreadable();
            ended_ = true;
            return;
        }
        if (filled_ == 0 && token.value == 0) {
            ended_ = true;
            return;
        }
        row_[filled_++] = token.value;
        if (filled_ == row_.size()) {
            for (RowSink* sink : sinks_)
                sink->addRow(row_.data());
            filled_ = 0;
            return; // the rest of the line is skipped
        }
    }
}

void RowAssembler::finish() {
    if (!ended_ && filled_ > 0) {
        std::fill(row_.begin() + static_cast<long>(filled_), row_.end(), 0.0);
        for (RowSink* sink : sinks_)
            sink->addRow(row_.data());
    }
    ended_ = true;
    for (RowSink* sink : sinks_)
        sink->finish();
}

} // namespace climora
