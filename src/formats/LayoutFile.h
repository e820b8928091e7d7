#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace climora {

// Writes the lines, each ended by CR LF, to a new file beside `target` and
// then renames it to `target`, so that a failed write leaves an existing
// file as it was. Throws FileError.
void writeLayoutFile(const std::filesystem::path& target, const std::vector<std::string>& lines);

} // namespace climora
