#include "pipeline/DataRows.h"

#include "pipeline/RowParser.h"

namespace climora {

DataRows::DataRows(TaskContext& context, Mode mode)
    : context_(context), columns_(static_cast<std::size_t>(context.spec.columnCount)),
      values_(columns_, 0.0) {
    const std::shared_ptr<RowRecording>& recorded = context.recording;
    if (mode != Mode::Read && recorded && recorded->finished() && recorded->columns() == columns_) {
        replay_.emplace(*recorded);
        return;
    }
    text_.emplace(context.work.file(temporary::input), TextSource::OwnUtf8);
    std::string line;
    for (long long i = 0; i < context.state.rowsBeforeData && text_->next(line); ++i) {
    }
    numbers_.emplace(*text_);
    if (mode == Mode::Record && columns_ > 0) {
        recording_ = std::make_shared<RowRecording>(columns_, context.work.file(temporary::rows));
        context.recording = recording_;
    }
}

DataRows::~DataRows() {
    // A recording that did not reach the last row is never replayed.
    if (recording_ && !recording_->finished() && context_.recording == recording_)
        context_.recording.reset();
}

void DataRows::discardRecording(TaskContext& context) {
    context.recording.reset();
}

bool DataRows::next() {
    if (replay_) {
        if (!replay_->next(values_.data()))
            return false;
        assignRow();
        return true;
    }
    if (readFromText())
        return true;
    if (recording_)
        recording_->finish();
    return false;
}

void DataRows::assignRow() {
    for (std::size_t k = 1; k <= columns_; ++k)
        assignValue(context_.spec, context_.record, static_cast<int>(k), values_[k - 1]);
}

bool DataRows::readFromText() {
    if (numbers_->atEnd())
        return false;
    if (!readRow(*numbers_, context_.spec, context_.record, values_.data()))
        return false;
    numbers_->skipLine();
    if (recording_)
        recording_->addRow(values_.data());
    return true;
}

} // namespace climora
