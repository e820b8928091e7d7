#include "pipeline/InputLines.h"

namespace climora {
namespace {

constexpr std::size_t minimumDataLineLength = 5;

// Characters, not bytes: a character of several UTF-8 bytes counts once.
std::size_t characterCount(std::string_view line) {
    std::size_t count = 0;
    for (char c : line)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

// Whether the line holds at least the minimum number of characters; only
// a short line's characters need counting.
bool isLongEnough(std::string_view line) {
    return line.size() >= 4 * minimumDataLineLength ||
           characterCount(line) >= minimumDataLineLength;
}

} // namespace

InputLines::InputLines(const std::filesystem::path& file, TextSource source)
    : reader_(file, source) {}

bool InputLines::header(std::string& line) {
    if (!reader_.next(line))
        return false;
    ++fileLines_;
    return true;
}

bool InputLines::next(std::string& line) {
    if (atNotes_ || !reader_.next(line))
        return false;
    ++fileLines_;
    if (isLongEnough(line))
        return true;
    readToEnd();
    atNotes_ = true;
    return false;
}

void InputLines::readToEnd() {
    std::string line;
    while (reader_.next(line))
        ++fileLines_;
}

} // namespace climora
