#include "prefs/OptionFile.h"

#include "base/NumberText.h"
#include "base/TextFile.h"

#include <optional>
#include <vector>

namespace climora {
namespace {

// Reads an integer the way a text-file integer read does: leading blanks
// skipped, then one blank-delimited token. A missing or empty line is 0.
// Returns the number and where the token ended, or nothing.
std::optional<std::pair<long long, std::size_t>> leadingInteger(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && static_cast<unsigned char>(line[start]) <= 32)
        ++start;
    if (start == line.size())
        return std::pair{0LL, start};
    std::size_t end = start;
    while (end < line.size() && static_cast<unsigned char>(line[end]) > 32)
        ++end;
    auto value = parseInteger(line.substr(start, end - start));
    if (!value)
        return std::nullopt;
    return std::pair{*value, end};
}

std::string lineOrEmpty(const std::vector<std::string>& lines, std::size_t index) {
    return index < lines.size() ? lines[index] : std::string();
}

} // namespace

OptionReadResult readOptionFile(const std::filesystem::path& file, const Options& defaults) {
    OptionReadResult result{defaults, {}};
    Options& options = result.options;
    std::vector<std::string> lines = readTextLines(file);
    options.inputFolder = lineOrEmpty(lines, 0);
    options.outputFolder = lineOrEmpty(lines, 1);
    bool* flags[] = {&options.elasticWindow, &options.horizontalScrollBar, &options.enableSpacer,
                     &options.substitutionEnabled};
    for (std::size_t i = 0; i < 4; ++i) {
        auto value = leadingInteger(lineOrEmpty(lines, 2 + i));
        if (!value) {
            result.error =
                "Invalid numeric input in \"Option.clx\", line " + std::to_string(3 + i) + ".";
            return result;
        }
        *flags[i] = value->first != 0;
    }
    std::string signLine = lineOrEmpty(lines, 6);
    auto sign = leadingInteger(signLine);
    if (!sign) {
        result.error = "Invalid numeric input in \"Option.clx\", line 7.";
        return result;
    }
    options.missingSign = std::to_string(sign->first);
    std::size_t rest = std::min(sign->second + 1, signLine.size()); // skip the TAB
    options.substitution = signLine.substr(rest);
    return result;
}

void writeOptionFile(const std::filesystem::path& file, const Options& options) {
    auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    writeTextLines(file, {options.inputFolder, options.outputFolder, flag(options.elasticWindow),
                          flag(options.horizontalScrollBar), flag(options.enableSpacer),
                          flag(options.substitutionEnabled),
                          options.missingSign + "\t" + options.substitution});
}

std::pair<std::string, std::string> readOptionFolders(const std::filesystem::path& file,
                                                      const std::string& fallback) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return {fallback, fallback};
    std::vector<std::string> lines = readTextLines(file);
    return {lineOrEmpty(lines, 0), lineOrEmpty(lines, 1)};
}

void writeOptionFolders(const std::filesystem::path& file, const std::string& inputFolder,
                        const std::string& outputFolder) {
    writeTextLines(file, {inputFolder, outputFolder});
}

} // namespace climora
