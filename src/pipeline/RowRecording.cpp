#include "pipeline/RowRecording.h"

#include "pipeline/NumberReader.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace climora {
namespace {

constexpr std::uint32_t escapeWord = 0x80000000u;
constexpr std::size_t fileBlockWords = 256u << 10;

// Thousandths that give `value` back exactly, or nothing.
bool asThousandths(double value, std::uint32_t& word) {
    double scaled = value * 1000;
    if (!(std::fabs(scaled) < 2147483647.0))
        return false;
    auto thousandths = static_cast<std::int32_t>(scaled + (scaled < 0 ? -0.5 : 0.5));
    double back = thousandths / 1000.0;
    if (std::memcmp(&back, &value, sizeof value) != 0) // also tells -0.0 from 0.0
        return false;
    word = static_cast<std::uint32_t>(thousandths);
    return true;
}

} // namespace

RowRecording::RowRecording(std::size_t columns, std::filesystem::path spillFile,
                           std::size_t memoryLimit)
    : columns_(columns), spillFile_(std::move(spillFile)),
      memoryLimitWords_(std::max<std::size_t>(memoryLimit / sizeof(std::uint32_t), 3)) {
    // Room for the whole limit at once: growing by doubling would hold the
    // old and the new block together, well above the limit. Untouched room
    // costs no memory.
    words_.reserve(memoryLimitWords_ + 3 * columns_); // a row may pass the limit
}

RowRecording::~RowRecording() {
    if (!spill_)
        return;
    spill_.reset();
    std::error_code ignored;
    std::filesystem::remove(spillFile_, ignored);
}

void RowRecording::addRow(const double* values) {
    for (std::size_t k = 0; k < columns_; ++k)
        store(values[k]);
    ++rows_;
    std::size_t limit = spill_ ? fileBlockWords : memoryLimitWords_;
    if (words_.size() >= limit)
        spillWords();
}

void RowRecording::store(double value) {
    std::uint32_t word;
    if (asThousandths(value, word)) {
        words_.push_back(word);
        return;
    }
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    words_.push_back(escapeWord);
    words_.push_back(static_cast<std::uint32_t>(bits));
    words_.push_back(static_cast<std::uint32_t>(bits >> 32));
}

void RowRecording::endAtUnreadable() {
    unreadableEnd_ = true;
}

void RowRecording::finish() {
    if (spill_) {
        spillWords();
        if (std::fflush(spill_.get()) != 0)
            throw FileError("Write error on file \"" + spillFile_.string() + "\".");
    }
    finished_ = true;
}

void RowRecording::spillWords() {
    if (!spill_) {
        spill_.reset(std::fopen(spillFile_.c_str(), "wb"));
        if (!spill_)
            throw FileError("Cannot create file \"" + spillFile_.string() + "\". " +
                            std::strerror(errno));
    }
    if (std::fwrite(words_.data(), sizeof(std::uint32_t), words_.size(), spill_.get()) !=
        words_.size())
        throw FileError("Write error on file \"" + spillFile_.string() + "\".");
    words_.clear();
}

RowRecording::Replay::Replay(const RowRecording& recording)
    : recording_(recording), rowsLeft_(recording.rows_) {
    if (!recording.spill_) {
        pos_ = recording.words_.data();
        end_ = pos_ + recording.words_.size();
        return;
    }
    file_.reset(std::fopen(recording.spillFile_.c_str(), "rb"));
    if (!file_)
        throw FileError("Cannot open file \"" + recording.spillFile_.string() + "\". " +
                        std::strerror(errno));
    block_.resize(fileBlockWords);
}

bool RowRecording::Replay::refill() {
    if (!file_)
        return false;
    std::size_t read = std::fread(block_.data(), sizeof(std::uint32_t), block_.size(), file_.get());
    pos_ = block_.data();
    end_ = pos_ + read;
    return read > 0;
}

std::uint32_t RowRecording::Replay::word() {
    if (pos_ == end_ && !refill())
        throw FileError("Read error on file \"" + recording_.spillFile_.string() + "\".");
    return *pos_++;
}

bool RowRecording::Replay::next(double* values) {
    if (rowsLeft_ == 0) {
        if (recording_.unreadableEnd_)
            throw InvalidNumericInput();
        return false;
    }
    for (std::size_t k = 0; k < recording_.columns_; ++k) {
        std::uint32_t w = word();
        if (w != escapeWord) {
            values[k] = static_cast<std::int32_t>(w) / 1000.0;
            continue;
        }
        std::uint64_t bits = word();
        bits |= static_cast<std::uint64_t>(word()) << 32;
        std::memcpy(&values[k], &bits, sizeof bits);
    }
    --rowsLeft_;
    return true;
}

} // namespace climora
