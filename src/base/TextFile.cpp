#include "base/TextFile.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <sys/types.h>

namespace climora {
namespace {

// Small enough for the buffer to stay in the processor's cache.
constexpr std::size_t chunkSize = 128 << 10;

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of
// the same number, as the system's own conversion does, so that a stray byte
// from another code page does not make the file unreadable.
constexpr std::array<char16_t, 32> cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

const char* notText = "The file is not a text file";

// Length of the valid UTF-8 sequence at s[i], or 0.
std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(i);
    if (b < 0x80)
        return 1;
    std::size_t n = b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 0;
    if (n == 0 || i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    if (n == 3 && ((b == 0xE0 && byte(i + 1) < 0xA0) || (b == 0xED && byte(i + 1) >= 0xA0)))
        return 0; // overlong or surrogate
    if (n == 4 && ((b == 0xF0 && byte(i + 1) < 0x90) || (b == 0xF4 && byte(i + 1) >= 0x90)))
        return 0;
    return n;
}

// Where the run of ASCII bytes from `i` on ends; eight bytes at a time.
std::size_t skipAscii(std::string_view s, std::size_t i) {
    constexpr std::uint64_t highBits = 0x8080808080808080ULL;
    while (i + 8 <= s.size()) {
        std::uint64_t block;
        std::memcpy(&block, s.data() + i, 8);
        if (block & highBits)
            break;
        i += 8;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80)
        ++i;
    return i;
}

// True when every byte is ASCII and none is NUL.
bool isPlainAscii(std::string_view s) {
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highBits = 0x8080808080808080ULL;
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t block;
        std::memcpy(&block, s.data() + i, 8);
        if ((block & highBits) || ((block - ones) & ~block & highBits))
            return false;
    }
    for (; i < s.size(); ++i)
        if (s[i] == '\0' || static_cast<unsigned char>(s[i]) >= 0x80)
            return false;
    return true;
}

bool isValidUtf8(std::string_view s) {
    for (std::size_t i = skipAscii(s, 0); i < s.size(); i = skipAscii(s, i)) {
        std::size_t n = utf8SequenceLength(s, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

std::string decodeWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else if (b < 0xA0) {
            appendUtf8(out, cp1252High[b - 0x80]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

std::string decodeUtf16(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0)
        throw NotATextFile(notText);
    std::string out;
    out.reserve(bytes.size() / 2);
    auto unit = [&](std::size_t i) -> char32_t {
        auto a = static_cast<unsigned char>(bytes[i]);
        auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00) {
            if (i + 3 >= bytes.size())
                throw NotATextFile(notText);
            char32_t low = unit(i + 2);
            if (low < 0xDC00 || low >= 0xE000)
                throw NotATextFile(notText);
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        } else if (c >= 0xDC00 && c < 0xE000) {
            throw NotATextFile(notText);
        }
        if (c == 0)
            throw NotATextFile(notText);
        appendUtf8(out, c);
    }
    return out;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

} // namespace

TextEncoding detectEncoding(std::string_view bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return TextEncoding::Utf8Bom;
    if (startsWith(bytes, "\xFF\xFE"))
        return TextEncoding::Utf16LE;
    if (startsWith(bytes, "\xFE\xFF"))
        return TextEncoding::Utf16BE;
    return isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

std::string decodeText(std::string_view bytes) {
    TextEncoding encoding = detectEncoding(bytes);
    if (encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE)
        return decodeUtf16(bytes.substr(2), encoding == TextEncoding::Utf16BE);
    if (bytes.find('\0') != std::string_view::npos)
        throw NotATextFile(notText);
    if (encoding == TextEncoding::Utf8Bom)
        bytes.remove_prefix(3);
    if (encoding == TextEncoding::Windows1252)
        return decodeWindows1252(bytes);
    if (encoding == TextEncoding::Utf8Bom && !isValidUtf8(bytes))
        throw NotATextFile(notText);
    return std::string(bytes);
}

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
