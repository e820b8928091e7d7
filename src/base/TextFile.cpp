#include "base/TextFile.h"

#include "base/TextEncoding.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <sys/types.h>

namespace climora {
namespace {

// Small enough for the buffer to stay in the processor's cache.
constexpr std::size_t chunkSize = 128 << 10;

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

const char* notText = "The file is not a text file";

} // namespace

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start =
            end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

namespace {

std::string readWhole(std::FILE* file, const std::filesystem::path& path) {
    std::string bytes;
    std::array<char, 65536> chunk{};
    std::size_t n;
    while ((n = std::fread(chunk.data(), 1, chunk.size(), file)) > 0)
        bytes.append(chunk.data(), n);
    if (std::ferror(file))
        throw FileError("Read error on file \"" + path.string() + "\".");
    return bytes;
}

} // namespace

std::string readFileBytes(const std::filesystem::path& path) {
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw FileError("Cannot open file \"" + path.string() + "\". " + std::strerror(errno));
    return readWhole(file.get(), path);
}

std::string readText(const std::filesystem::path& path) {
    if (std::filesystem::is_directory(path))
        throw NotATextFile(notText);
    return decodeText(readFileBytes(path));
}

std::vector<std::string> readTextLines(const std::filesystem::path& path) {
    return splitLines(readText(path));
}

void writeRawText(const std::filesystem::path& path, std::string_view text) {
    TextLineWriter writer(path);
    writer.write(text);
    writer.close();
}

void writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    TextLineWriter writer(path);
    for (const std::string& line : lines)
        writer.line(line);
    writer.close();
}

// ---- TextLineReader ----

TextLineReader::TextLineReader(const std::filesystem::path& path, TextSource source)
    : path_(path), source_(source), file_(std::fopen(path.c_str(), "rb")) {
    if (!file_)
        throw FileError("Cannot open file \"" + path.string() + "\". " + std::strerror(errno));
    rewind();
}

void TextLineReader::rewind() {
    std::rewind(file_.get());
    buffer_.clear();
    pos_ = 0;
    dropped_ = 0;
    eof_ = false;
    decoded_ = false;
    settled_ = source_ == TextSource::OwnUtf8;
    fill();
    if (settled_ && !decoded_ && startsWith(buffer_, "\xEF\xBB\xBF"))
        pos_ = 3;
}

// The first byte that is not ASCII, or a NUL, settles the encoding for the
// whole file. Every line handed out before it was ASCII, which each encoding
// reads alike, so the lines go on from the same place.
void TextLineReader::settle() {
    settled_ = true;
    if (restIsPlainUtf8()) {
        if (dropped_ == 0 && pos_ == 0 && startsWith(buffer_, "\xEF\xBB\xBF"))
            pos_ = 3;
        return;
    }
    std::uintmax_t consumed = dropped_ + pos_;
    std::rewind(file_.get());
    buffer_ = decodeText(readWhole(file_.get(), path_));
    pos_ = static_cast<std::size_t>(consumed);
    dropped_ = 0;
    eof_ = true;
    decoded_ = true;
}

// True when the bytes not yet handed out are UTF-8 (with or without a
// byte-order mark) without NUL bytes, so that its lines can be handed out as
// they are read. The file is read on and put back where it was.
bool TextLineReader::restIsPlainUtf8() {
    off_t resume = ftello(file_.get());
    std::string data = buffer_.substr(pos_);
    bool plain = true;
    while (plain) {
        if (data.find('\0') != std::string::npos) {
            plain = false;
            break;
        }
        // Keep an incomplete character at the end for the next chunk.
        std::size_t cut = data.size();
        std::size_t back = 0;
        while (back < 3 && cut > back &&
               (static_cast<unsigned char>(data[cut - 1 - back]) & 0xC0) == 0x80)
            ++back;
        if (cut > back && static_cast<unsigned char>(data[cut - 1 - back]) >= 0xC0)
            cut -= back + 1;
        plain = isValidUtf8(std::string_view(data).substr(0, cut));
        data.erase(0, cut);
        std::size_t carried = data.size();
        data.resize(carried + chunkSize);
        std::size_t n = std::fread(data.data() + carried, 1, chunkSize, file_.get());
        data.resize(carried + n);
        if (n == 0) { // what was kept back is the file's last character
            plain = plain && isValidUtf8(data);
            break;
        }
    }
    if (std::ferror(file_.get()) || fseeko(file_.get(), resume, SEEK_SET) != 0)
        throw FileError("Read error on file \"" + path_.string() + "\".");
    return plain;
}

bool TextLineReader::fill() {
    if (eof_ || decoded_)
        return false;
    if (pos_ > 0) {
        buffer_.erase(0, pos_);
        dropped_ += pos_;
        pos_ = 0;
    }
    std::size_t old = buffer_.size();
    buffer_.resize(old + chunkSize);
    std::size_t n = std::fread(buffer_.data() + old, 1, chunkSize, file_.get());
    buffer_.resize(old + n);
    if (n < chunkSize) {
        if (std::ferror(file_.get()))
            throw FileError("Read error on file \"" + path_.string() + "\".");
        eof_ = true;
    }
    if (!settled_ && !isPlainAscii(std::string_view(buffer_).substr(old)))
        settle();
    return n > 0;
}

// The first CR or LF from `from` on, or npos; eight bytes at a time.
static std::size_t findLineEnd(const std::string& buffer, std::size_t from) {
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highBits = 0x8080808080808080ULL;
    auto hasByte = [](std::uint64_t block, std::uint64_t pattern) {
        std::uint64_t x = block ^ pattern;
        return (x - ones) & ~x & highBits;
    };
    std::size_t i = from;
    for (; i + 8 <= buffer.size(); i += 8) {
        std::uint64_t block;
        std::memcpy(&block, buffer.data() + i, 8);
        if (hasByte(block, ones * '\n') | hasByte(block, ones * '\r'))
            break;
    }
    for (; i < buffer.size(); ++i)
        if (buffer[i] == '\n' || buffer[i] == '\r')
            return i;
    return std::string::npos;
}

bool TextLineReader::next(std::string& line) {
    while (true) {
        std::size_t end = findLineEnd(buffer_, pos_);
        // A CR at the very end of the buffer may be the first half of CR LF.
        bool needMore =
            end == std::string::npos || (buffer_[end] == '\r' && end + 1 == buffer_.size());
        if (needMore && !eof_ && !decoded_) {
            fill();
            continue;
        }
        if (end == std::string::npos) {
            if (pos_ >= buffer_.size())
                return false;
            line.assign(buffer_, pos_, std::string::npos);
            pos_ = buffer_.size();
            return true;
        }
        line.assign(buffer_, pos_, end - pos_);
        pos_ = end + ((buffer_[end] == '\r' && end + 1 < buffer_.size() && buffer_[end + 1] == '\n')
                          ? 2
                          : 1);
        return true;
    }
}

// ---- TextLineWriter ----

TextLineWriter::TextLineWriter(const std::filesystem::path& path)
    : path_(path), file_(std::fopen(path.c_str(), "wb")) {
    if (!file_)
        throw FileError("Cannot create file \"" + path.string() + "\". " + std::strerror(errno));
    buffer_.reserve(chunkSize);
}

void TextLineWriter::line(std::string_view text) {
    write(text);
    write("\r\n");
}

void TextLineWriter::write(std::string_view text) {
    buffer_.append(text);
    if (buffer_.size() >= chunkSize)
        flushBuffer();
}

void TextLineWriter::flushBuffer() {
    if (!buffer_.empty() &&
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_.get()) != buffer_.size())
        throw FileError("Write error on file \"" + path_.string() + "\".");
    buffer_.clear();
}

void TextLineWriter::close() {
    if (!file_)
        return;
    flushBuffer();
    bool failed = std::fflush(file_.get()) != 0;
    failed = std::fclose(file_.release()) != 0 || failed;
    if (failed)
        throw FileError("Write error on file \"" + path_.string() + "\".");
}

} // namespace climora
