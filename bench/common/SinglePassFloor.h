#pragma once

// The floor the batch's data path is measured against: the least work that
// turns the synthetic station file (StationFile.h) into the data lines the
// batch writes for it. One pass over the file, read in 1 MiB blocks: the
// header lines skipped, each line's numbers read where they stand, the
// missing sign substituted, the values converted and written at once.

#include <filesystem>

namespace climora::bench {

enum class FloorTask {
    Convert,        // task 1: the Agrovia data lines, ET 0.0
    Checkup,        // task 3: the rows screened; a line for each suspicious day
    PenmanMonteith, // task 7 converted: the Agrovia data lines with the alfalfa ET
};

// The site of task 7.
struct FloorSite {
    double latitude = 0;  // decimal degrees
    double elevation = 0; // metres
};

// Reads `station` and writes the task's data lines to `output`, CR LF ended.
// Throws std::runtime_error for a file or a line it cannot read.
void runSinglePassFloor(FloorTask task, const std::filesystem::path& station,
                        const std::filesystem::path& output, const FloorSite& site);

} // namespace climora::bench
