#include "batch/PrivateWorkFolder.h"

#include "base/TextFile.h"
#include "batch/InterruptCleanup.h"

#include <cstdlib>
#include <string>

namespace fs = std::filesystem;
namespace climora {

PrivateWorkFolder::PrivateWorkFolder() {
    std::string pattern = (fs::temp_directory_path() / "climora-batch-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw FileError("Cannot create a temporary work folder in " +
                        fs::temp_directory_path().string());
    path_ = pattern;
    InterruptCleanup::removeOnInterrupt(path_);
}

PrivateWorkFolder::~PrivateWorkFolder() {
    InterruptCleanup::keepOnInterrupt(path_);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

} // namespace climora
