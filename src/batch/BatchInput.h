#pragma once

#include <cstdio>
#include <filesystem>

namespace climora {

// Throws FileError "Cannot open file "NAME": REASON" (the system's reason,
// "Is a directory" for a folder) unless INPUT is a regular file that can be
// opened for reading.
void checkInputFile(const std::filesystem::path& input);

// Copies everything `in` holds to FILE, byte for byte (the run then reads
// it as any input file). Throws FileError "The standard input is empty."
// when there is nothing to read.
void copyStandardInput(std::FILE* in, const std::filesystem::path& file);

} // namespace climora
