#pragma once

#include "base/WorkFolder.h"

#include <map>
#include <string>

namespace climora {

inline constexpr const char* programSettingsFileName = "Climora.ini";

// The program's own settings beside the option file: "Climora.ini" in the
// work folder, one "key=value" line each. A missing file or key gives the
// caller's default; lines without "=" are ignored and dropped on saving.
class ProgramSettings {
  public:
    explicit ProgramSettings(const WorkFolder& work);

    std::string text(const std::string& key, const std::string& fallback = {}) const;
    int number(const std::string& key, int fallback) const;
    void set(const std::string& key, const std::string& value);
    void set(const std::string& key, int value);
    // Writes the file beside its place and renames it over the old one;
    // throws FileError when that fails.
    void save() const;

  private:
    std::filesystem::path path_;
    std::map<std::string, std::string> values_;
};

} // namespace climora
