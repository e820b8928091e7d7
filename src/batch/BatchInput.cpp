#include "batch/BatchInput.h"

#include "base/TextFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
namespace climora {
namespace {

[[noreturn]] void cannotOpen(const fs::path& input, const std::string& reason) {
    throw FileError("Cannot open file \"" + input.string() + "\": " + reason);
}

} // namespace

// A FIFO or device is not opened here: opening and closing a pipe's reading
// end could end its writer. The run reads its input more than once.
void checkInputFile(const fs::path& input) {
    struct stat status = {};
    if (stat(input.c_str(), &status) != 0)
        cannotOpen(input, std::strerror(errno));
    if (S_ISDIR(status.st_mode))
        cannotOpen(input, std::strerror(EISDIR));
    if (!S_ISREG(status.st_mode))
        cannotOpen(input, "not a regular file (\"-\" reads standard input)");
    int descriptor = open(input.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        cannotOpen(input, std::strerror(errno));
    close(descriptor);
}

void copyStandardInput(std::FILE* in, const fs::path& file) {
    FileHandle copy(std::fopen(file.c_str(), "wb"));
    if (!copy)
        throw FileError("Cannot write file \"" + file.string() + "\": " + std::strerror(errno));
    char buffer[65536];
    std::size_t total = 0;
    while (std::size_t count = std::fread(buffer, 1, sizeof buffer, in)) {
        if (std::fwrite(buffer, 1, count, copy.get()) != count)
            throw FileError("Cannot write file \"" + file.string() + "\".");
        total += count;
    }
    if (std::ferror(in))
        throw FileError(std::string("Cannot read the standard input: ") + std::strerror(errno));
    if (std::fclose(copy.release()) != 0)
        throw FileError("Cannot write file \"" + file.string() + "\".");
    if (total == 0)
        throw FileError("The standard input is empty.");
}

} // namespace climora
