#include "base/TextEncoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace climora {
namespace {

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

} // namespace climora
