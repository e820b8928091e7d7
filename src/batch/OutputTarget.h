#pragma once

#include "pipeline/OutputPanel.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace climora {

// Where "-o FILE" sends the output panel's text.
struct OutputTarget {
    enum class Kind {
        Descriptor,   // an open stream of this process: "-", /dev/stdout, /dev/fd/N
        Stream,       // a device, FIFO or other file that is written straight into
        ReplacedFile, // a regular file (a symlink's target) replaced once complete
    };
    Kind kind = Kind::Descriptor;
    std::filesystem::path path;
    int descriptor = 1;
};

// Follows FILE's symlinks to decide how it is written. Throws FileError for
// a read-only regular file or a folder, before anything is run.
OutputTarget outputTargetOf(const std::string& file);

// Writes every line of the panel, CR LF ended; throws FileError on failure.
// A replaced file appears only when it is complete. Standard output is
// `standardOutput`, the stream the caller writes its output to.
void writeOutput(const StreamedPanel& panel, const OutputTarget& target, std::FILE* standardOutput);

} // namespace climora
