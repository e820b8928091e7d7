#include "pipeline/RowAssembler.h"

#include <algorithm>

namespace climora {

RowAssembler::RowAssembler(RowRecording& recording)
    : recording_(recording), row_(recording.columns(), 0.0) {}

void RowAssembler::line(std::span<const RereadToken> tokens) {
    if (ended_)
        return;
    for (const RereadToken& token : tokens) {
        if (token.unreadable) {
            recording_.endAtUnreadable();
            ended_ = true;
            return;
        }
        if (filled_ == 0 && token.value == 0) {
            ended_ = true;
            return;
        }
        row_[filled_++] = token.value;
        if (filled_ == row_.size()) {
            recording_.addRow(row_.data());
            filled_ = 0;
            return; // the rest of the line is skipped
        }
    }
}

void RowAssembler::finish() {
    if (!ended_ && filled_ > 0) {
        std::fill(row_.begin() + static_cast<long>(filled_), row_.end(), 0.0);
        recording_.addRow(row_.data());
    }
    ended_ = true;
    recording_.finish();
}

} // namespace climora
