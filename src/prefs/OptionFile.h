#pragma once

#include <filesystem>
#include <string>

namespace climora {

// The choices kept in "Option.clx" from one run of the program to the next.
struct Options {
    std::string inputFolder;
    std::string outputFolder;
    bool elasticWindow = false;
    bool horizontalScrollBar = false;
    bool enableSpacer = false;
    bool substitutionEnabled = true;
    std::string missingSign = "-99";
    std::string substitution = "0.01";
};

struct OptionReadResult {
    Options options;
    // Empty when every line read; otherwise the reason reading stopped
    // (a flag or the sign line not beginning with an integer).
    std::string error;
};

inline constexpr const char* optionFileName = "Option.clx";

// Reads the file over `defaults`: lines 1 and 2 whole, lines 3 to 6 as
// integers (non-zero is checked), line 7 as an integer, one skipped
// character and the rest of the line. A missing line reads as 0 or as empty
// text. Reading stops at a line that does not begin with an integer; what
// was read before stays.
OptionReadResult readOptionFile(const std::filesystem::path& file, const Options& defaults);

// The seven lines written at shutdown.
void writeOptionFile(const std::filesystem::path& file, const Options& options);

// Lines 1 and 2 as they stand in the file, or `fallback` for both when
// there is no file.
std::pair<std::string, std::string> readOptionFolders(const std::filesystem::path& file,
                                                      const std::string& fallback);
// Rewrites the file with the two folder lines only.
void writeOptionFolders(const std::filesystem::path& file, const std::string& inputFolder,
                        const std::string& outputFolder);

} // namespace climora
