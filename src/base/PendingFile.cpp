#include "base/PendingFile.h"

namespace climora {

PendingFile::PendingFile(std::filesystem::path path) : path_(std::move(path)) {
    writer_.emplace(path_);
}

PendingFile::~PendingFile() {
    writer_.reset();
    if (committed_)
        return;
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

void PendingFile::close() {
    writer_->close();
}

void PendingFile::commit(const std::filesystem::path& target) {
    writer_->close();
    std::error_code error;
    std::filesystem::rename(path_, target, error);
    if (error)
        throw FileError("Cannot rename \"" + path_.string() + "\" to \"" + target.string() +
                        "\". " + error.message());
    committed_ = true;
}

} // namespace climora
