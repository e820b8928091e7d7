#include "pipeline/DataRows.h"

#include "pipeline/RowParser.h"

#include <cerrno>
#include <cstring>

namespace climora {
namespace {

constexpr std::size_t rowsPerBlock = 8192;

} // namespace

DataRows::DataRows(TaskContext& context, Mode mode)
    : context_(context), columns_(static_cast<std::size_t>(context.spec.columnCount)),
      recordingPath_(context.work.file(temporary::rows)) {
    if (mode == Mode::Replay && columns_ > 0) {
        recording_ = std::fopen(recordingPath_.c_str(), "rb");
        replaying_ = recording_ != nullptr;
        if (replaying_)
            return;
    }
    text_.emplace(context.work.file(temporary::input), TextSource::OwnUtf8);
    std::string line;
    for (long long i = 0; i < context.state.rowsBeforeData && text_->next(line); ++i) {
    }
    numbers_.emplace(*text_);
    if (mode == Mode::Record && columns_ > 0) {
        recording_ = std::fopen(recordingPath_.c_str(), "wb");
        if (!recording_)
            throw FileError("Cannot create file \"" + recordingPath_.string() + "\". " +
                            std::strerror(errno));
        values_.reserve(rowsPerBlock * columns_);
    }
}

DataRows::~DataRows() {
    if (recording_)
        std::fclose(recording_);
    // A recording that did not reach the last row is never replayed.
    if (recording_ && !replaying_ && !complete_)
        discardRecording(context_.work);
}

void DataRows::discardRecording(const WorkFolder& work) {
    std::error_code ignored;
    std::filesystem::remove(work.file(temporary::rows), ignored);
}

bool DataRows::next() {
    if (replaying_)
        return replayRow();
    if (readFromText())
        return true;
    if (recording_) {
        flushRecording();
        complete_ = std::fflush(recording_) == 0;
    }
    return false;
}

bool DataRows::readFromText() {
    if (numbers_->atEnd())
        return false;
    double* slotValues = nullptr;
    if (recording_) {
        values_.resize(values_.size() + columns_);
        slotValues = values_.data() + values_.size() - columns_;
    }
    if (!readRow(*numbers_, context_.spec, context_.record, slotValues)) {
        if (recording_)
            values_.resize(values_.size() - columns_);
        return false;
    }
    numbers_->skipLine();
    if (recording_ && values_.size() >= rowsPerBlock * columns_)
        flushRecording();
    return true;
}

void DataRows::flushRecording() {
    if (!values_.empty() &&
        std::fwrite(values_.data(), sizeof(double), values_.size(), recording_) != values_.size())
        throw FileError("Write error on file \"" + recordingPath_.string() + "\".");
    values_.clear();
}

bool DataRows::replayRow() {
    if (used_ == values_.size()) {
        values_.resize(rowsPerBlock * columns_);
        std::size_t read = std::fread(values_.data(), sizeof(double), values_.size(), recording_);
        values_.resize(read - read % columns_);
        used_ = 0;
        if (values_.empty())
            return false;
    }
    for (std::size_t k = 1; k <= columns_; ++k)
        assignValue(context_.spec, context_.record, static_cast<int>(k), values_[used_++]);
    return true;
}

} // namespace climora
