#pragma once

#include "batch/BatchArguments.h"
#include "batch/LayoutOptions.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace climora {

// The options of a run over many station files.
struct NetworkOptions {
    std::optional<std::filesystem::path> outputDir; // --output-dir DIR
    std::optional<unsigned> jobs;                   // -j N
};

// --output-dir and -j; false for other options.
bool applyNetworkOption(const std::string& option, Arguments& args, NetworkOptions& network);

// The file name extension of an output layout (the one place that knows it).
std::string layoutExtension(OutputFormat format);

// One call over many station files: each INPUT is run by its own
// climora-batch process (`program` with `sharedArgs`, "-o DIR/BASE.EXT" and
// the INPUT), at most `jobs` at a time.
struct StationNetwork {
    std::filesystem::path program;
    std::vector<std::string> sharedArgs;
    std::vector<std::filesystem::path> inputs;
    std::filesystem::path outputDir;
    std::string extension;
    unsigned jobs = 1;
    bool notes = true;
};

// Refuses what would fail for every file or overwrite one output with
// another (throws UsageError or FileError), and makes the output folder;
// all of it before any file is run.
void prepareStationNetwork(const StationNetwork& network);

// Runs every file; each file's messages and then its summary line
// "NAME<TAB>ROWS<TAB>STATUS[<TAB>N notes]" go to `err`, a count line at
// the end. Returns the worst exit status of the files.
int runStationNetwork(const StationNetwork& network, std::FILE* err);

} // namespace climora
