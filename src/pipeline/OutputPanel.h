#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

// The output panel as a run changes it. Lines are counted from 0.
class OutputPanel {
  public:
    virtual ~OutputPanel() = default;
    virtual void clear() = 0;
    // Replaces the panel's lines with the lines of a file.
    virtual void loadFile(const std::filesystem::path& file) = 0;
    // Deletes `count` lines from `first` on (as many as there are).
    virtual void removeLines(long long first, long long count) = 0;
    // Inserts a line before line `index` (after the last line when there are fewer).
    virtual void insertLine(long long index, const std::string& text) = 0;
};

// The edits of a run on a list of lines, for panels that hold their lines.
void removeLines(std::vector<std::string>& lines, long long first, long long count);
void insertLine(std::vector<std::string>& lines, long long index, const std::string& text);

// An output panel that never holds the loaded file: it keeps the file's name
// and the edits made near its top (the finishing steps of a run only edit
// from the second line on) and streams the result. For the batch front end
// and tests; a file the panel shows must stay until the lines are streamed.
class StreamedPanel : public OutputPanel {
  public:
    void clear() override;
    void loadFile(const std::filesystem::path& file) override;
    // Only edits from line 1 on are kept; others throw std::logic_error.
    void removeLines(long long first, long long count) override;
    void insertLine(long long index, const std::string& text) override;

    // Hands every line of the panel to `emit`, in order.
    void forEachLine(const std::function<void(std::string_view)>& emit) const;
    std::vector<std::string> lines() const;

  private:
    bool hasFile_ = false;
    std::filesystem::path file_;
    // Lines standing after the file's first line, then file lines skipped there.
    std::vector<std::string> inserted_;
    long long skipped_ = 0;
};

} // namespace climora
