#pragma once

#include "base/TextEncoding.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

// Raised when a file cannot be opened, read or written.
struct FileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Closes the file it holds when it goes, also when a constructor that opened
// the file throws.
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Splits at CR LF, LF or CR. A line end after the last line adds no line.
std::vector<std::string> splitLines(std::string_view text);

std::string readFileBytes(const std::filesystem::path& path);
std::vector<std::string> readTextLines(const std::filesystem::path& path);
std::string readText(const std::filesystem::path& path);

// Writes each line followed by CR LF, in UTF-8.
void writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);
// Writes the text as it stands (the caller supplies the line ends).
void writeRawText(const std::filesystem::path& path, std::string_view text);

// Where a file read by TextLineReader comes from.
enum class TextSource {
    Any,    // the encoding is detected
    OwnUtf8 // written by TextLineWriter (the work files): UTF-8 without a scan
};

// Hands out lines one by one.
class LineSource {
  public:
    virtual ~LineSource() = default;
    // The next line without its line end; false when there is none.
    virtual bool next(std::string& line) = 0;
};

// Reads a text file line by line without holding it whole. ASCII and UTF-8
// text streams; other encodings are decoded whole. The encoding is settled
// at the first byte that is not ASCII, so a file that is not text may show
// as NotATextFile from next() as well as from the constructor.
class TextLineReader : public LineSource {
  public:
    explicit TextLineReader(const std::filesystem::path& path, TextSource source = TextSource::Any);
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;

    // The next line without its line end; false at the end of the file.
    bool next(std::string& line) override;
    // How many bytes of the file the lines handed out so far took, line
    // ends included. Only for UTF-8 files, which are not decoded.
    std::uintmax_t offset() const { return dropped_ + pos_; }
    void rewind();

  private:
    bool fill();
    void settle();
    bool restIsPlainUtf8();

    std::filesystem::path path_;
    TextSource source_;
    FileHandle file_;
    std::string buffer_;
    std::size_t pos_ = 0;
    std::uintmax_t dropped_ = 0; // bytes read and dropped from the buffer's front
    bool eof_ = false;
    bool decoded_ = false; // whole file decoded into buffer_
    bool settled_ = false; // the encoding is known
};

// Writes lines ended by CR LF through a large buffer.
class TextLineWriter {
  public:
    explicit TextLineWriter(const std::filesystem::path& path);
    TextLineWriter(const TextLineWriter&) = delete;
    TextLineWriter& operator=(const TextLineWriter&) = delete;

    void line(std::string_view text);
    void write(std::string_view text); // no line end
    void endLine() { write("\r\n"); }
    // Flushes and closes; reports a failed write.
    void close();

  private:
    void flushBuffer();

    std::filesystem::path path_;
    FileHandle file_;
    std::string buffer_;
};

} // namespace climora
