#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace climora {

// Raised when a file's bytes are not text: NUL bytes, broken UTF-16, or
// UTF-8 marked as such that is not.
struct NotATextFile : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class TextEncoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Windows1252 };

// Decodes a file's bytes to UTF-8: a byte-order mark selects UTF-8 or UTF-16,
// otherwise UTF-8 when the bytes are valid UTF-8, else Windows-1252.
std::string decodeText(std::string_view bytes);
TextEncoding detectEncoding(std::string_view bytes);

// True when every byte is ASCII and none is NUL.
bool isPlainAscii(std::string_view bytes);
bool isValidUtf8(std::string_view bytes);

} // namespace climora
