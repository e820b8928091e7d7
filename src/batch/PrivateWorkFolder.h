#pragma once

#include <filesystem>

namespace climora {

// A folder of this run alone under the temporary folder, removed with
// everything in it at the end, also when a signal ends the run.
class PrivateWorkFolder {
  public:
    PrivateWorkFolder();
    ~PrivateWorkFolder();
    PrivateWorkFolder(const PrivateWorkFolder&) = delete;
    PrivateWorkFolder& operator=(const PrivateWorkFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

} // namespace climora
