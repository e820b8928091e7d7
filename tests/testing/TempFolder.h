#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace climora::testing {

// A fresh temporary folder, removed with everything in it at the end of the test.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// Points XDG_DATA_HOME at a temporary folder for the life of the object, so
// the user's real work folder is never touched.
class ScopedDataHome {
  public:
    ScopedDataHome();
    ~ScopedDataHome();
    const std::filesystem::path& path() const { return folder_.path(); }
    std::filesystem::path workFolder() const { return folder_.path() / "Climora2016_1"; }

  private:
    TempFolder folder_;
    std::string previous_;
    bool hadPrevious_ = false;
};

std::string readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::string& bytes);

} // namespace climora::testing
