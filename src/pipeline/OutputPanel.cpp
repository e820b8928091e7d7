#include "pipeline/OutputPanel.h"

#include "base/TextFile.h"

#include <algorithm>
#include <stdexcept>

namespace climora {

void removeLines(std::vector<std::string>& lines, long long first, long long count) {
    auto size = static_cast<long long>(lines.size());
    if (first < 0 || first >= size || count <= 0)
        return;
    long long last = std::min(size, first + count);
    lines.erase(lines.begin() + first, lines.begin() + last);
}

void insertLine(std::vector<std::string>& lines, long long index, const std::string& text) {
    auto at = std::clamp<long long>(index, 0, static_cast<long long>(lines.size()));
    lines.insert(lines.begin() + at, text);
}

void StreamedPanel::clear() {
    hasFile_ = false;
    file_.clear();
    inserted_.clear();
    skipped_ = 0;
}

void StreamedPanel::loadFile(const std::filesystem::path& file) {
    clear();
    hasFile_ = true;
    file_ = file;
}

void StreamedPanel::removeLines(long long first, long long count) {
    if (first != 1)
        throw std::logic_error("StreamedPanel edits only from the second line on");
    if (count <= 0)
        return;
    auto fromInserted = std::min<long long>(count, static_cast<long long>(inserted_.size()));
    inserted_.erase(inserted_.begin(), inserted_.begin() + fromInserted);
    skipped_ += count - fromInserted;
}

void StreamedPanel::insertLine(long long index, const std::string& text) {
    if (index != 1)
        throw std::logic_error("StreamedPanel edits only from the second line on");
    inserted_.insert(inserted_.begin(), text);
}

void StreamedPanel::forEachLine(const std::function<void(std::string_view)>& emit) const {
    if (!hasFile_) {
        for (const std::string& line : inserted_)
            emit(line);
        return;
    }
    TextLineReader reader(file_, TextSource::OwnUtf8); // always a work file
    std::string line;
    bool first = reader.next(line);
    if (first)
        emit(line);
    for (const std::string& text : inserted_)
        emit(text);
    if (!first)
        return;
    for (long long i = 0; i < skipped_ && reader.next(line); ++i) {
    }
    while (reader.next(line))
        emit(line);
}

std::vector<std::string> StreamedPanel::lines() const {
    std::vector<std::string> all;
    forEachLine([&](std::string_view line) { all.emplace_back(line); });
    return all;
}

} // namespace climora
