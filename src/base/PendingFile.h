#pragma once

#include "base/TextFile.h"

#include <filesystem>
#include <optional>

namespace climora {

// A text file written under a name of its own until it is ready to take the
// name it is for; one that never takes it is removed.
class PendingFile {
  public:
    explicit PendingFile(std::filesystem::path path);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    TextLineWriter& writer() { return *writer_; }
    // Flushes and closes; reports a failed write.
    void close();
    // Closes the file and renames it to `target`.
    void commit(const std::filesystem::path& target);

  private:
    std::filesystem::path path_;
    std::optional<TextLineWriter> writer_;
    bool committed_ = false;
};

} // namespace climora
