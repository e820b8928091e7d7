#include "formats/LayoutFile.h"

#include "base/TextFile.h"

#include <system_error>

namespace climora {

void writeLayoutFile(const std::filesystem::path& target, const std::vector<std::string>& lines) {
    std::filesystem::path fresh = target;
    fresh += ".new~";
    try {
        writeTextLines(fresh, lines);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(fresh, ignored);
        throw;
    }
    std::error_code error;
    std::filesystem::rename(fresh, target, error);
    if (error) {
        std::filesystem::remove(fresh, error);
        throw FileError("Cannot write " + target.string() + ".");
    }
}

} // namespace climora
