#pragma once

#include "base/TextFile.h"
#include "pipeline/RowSink.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace climora {

// The values of a run's data rows, kept so that no pass after the first
// reads them from text again. Values are stored as thousandths in 32-bit
// words when that gives the same double back bit for bit (every value of a
// rewritten data line but the largest), else as an escape word and the
// double's 64 bits. The words stay in memory up to a limit and go to a file
// beyond it, so memory does not grow with the data.
//
// The rows end either normally or at a value that could not be read: a
// replay then throws InvalidNumericInput where the reading would have.
class RowRecording : public RowSink {
  public:
    static constexpr std::size_t defaultMemoryLimit = 48u << 20;

    RowRecording(std::size_t columns, std::filesystem::path spillFile,
                 std::size_t memoryLimit = defaultMemoryLimit);
    ~RowRecording() override;
    RowRecording(const RowRecording&) = delete;
    RowRecording& operator=(const RowRecording&) = delete;

    std::size_t columns() const { return columns_; }
    // One row of columns() values.
    void addRow(const double* values) override;
    // The rows end here; the next one could not be read.
    void endAtUnreadable() override;
    // The rows are all there: only a finished recording is replayed.
    void finish() override;
    bool finished() const { return finished_; }
    bool spilled() const { return spill_ != nullptr; }

    // Reads the rows back from the first.
    class Replay {
      public:
        explicit Replay(const RowRecording& recording);
        // The next row's values; false after the last row. Throws
        // InvalidNumericInput where the recording ended at an unreadable value.
        bool next(double* values);

      private:
        std::uint32_t word();
        bool refill();

        const RowRecording& recording_;
        FileHandle file_;
        std::vector<std::uint32_t> block_;
        const std::uint32_t* pos_ = nullptr;
        const std::uint32_t* end_ = nullptr;
        std::size_t rowsLeft_;
    };

  private:
    void store(double value);
    void spillWords();

    std::size_t columns_;
    std::filesystem::path spillFile_;
    std::size_t memoryLimitWords_;
    std::vector<std::uint32_t> words_;
    FileHandle spill_;
    std::size_t rows_ = 0;
    bool unreadableEnd_ = false;
    bool finished_ = false;
};

} // namespace climora
