#pragma once

#include "base/TextFile.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace climora {

// The lines of a run's input: the header lines as they are, then the data
// lines up to the end notes, which start at the first data line shorter than
// five characters. Every line of the file is counted, the notes' too.
class InputLines : public LineSource {
  public:
    InputLines(const std::filesystem::path& file, TextSource source);

    // The next header line; false at the end of the file.
    bool header(std::string& line);
    // The next data line; false at the end notes or the end of the file.
    bool next(std::string& line) override;
    // Reads the rest of the file, which shows a file that is not text.
    void readToEnd();
    // The file's lines; all of them once next() has returned false.
    long fileLines() const { return fileLines_; }
    // True once next() has met the end notes.
    bool atNotes() const { return atNotes_; }
    // Bytes of the lines handed out so far (a file read without decoding).
    std::uintmax_t offset() const { return reader_.offset(); }

  private:
    TextLineReader reader_;
    long fileLines_ = 0;
    bool atNotes_ = false;
};

} // namespace climora
