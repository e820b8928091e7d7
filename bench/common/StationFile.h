#pragma once

// The synthetic daily station file the batch benchmarks run on: three header
// lines, then Year, DOY, Solar (Langley), T-max and T-min (oF), Precip
// (inch), RelHum (%) and WndSpd (mile/hr), comma-separated, with a few
// quality flags and -99 missing signs, and two lines of end notes after a
// blank line.

#include <filesystem>

namespace climora::bench {

inline constexpr int stationHeaderLines = 3;
// The --columns value that reads the file.
inline constexpr const char* stationColumns =
    "Year,DOY,Solar:Langley,T-max:oF,T-min:oF,Precip:inch,RelHum,WndSpd:mile/hr";

// Writes the file with `days` data rows from 1 January 1900 on.
void writeStationFile(const std::filesystem::path& file, long long days);

} // namespace climora::bench
