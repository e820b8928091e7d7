#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace climora {

// "Climora.ini" in the work folder: the program's choices beyond the option
// file, one "key=value" line each. A missing file or key means the default;
// lines without "=" are kept out of the way, never an error.
class ProgramSettings {
  public:
    static constexpr const char* fileName = "Climora.ini";

    // Reads the file; a file that is missing or unreadable gives no keys.
    void load(const std::filesystem::path& file);
    // Writes every key, beside the file first, then renamed over it.
    void save(const std::filesystem::path& file) const;

    // "1" is true and "0" false; anything else (or no key) is the default.
    bool flag(const std::string& key, bool byDefault) const;
    void setFlag(const std::string& key, bool on);
    // The key's text; empty when missing.
    std::string value(const std::string& key) const;
    void setValue(const std::string& key, const std::string& text);
    // A whole number; anything else (or no key) is the default.
    int number(const std::string& key, int byDefault) const;
    void setNumber(const std::string& key, int number);

    // Reads the file, changes it through `change` and writes it back, so that
    // keys other parts of the program wrote meanwhile are kept.
    template <class Change> static void update(const std::filesystem::path& file, Change change) {
        ProgramSettings settings;
        settings.load(file);
        change(settings);
        settings.save(file);
    }

  private:
    std::map<std::string, std::string> values_;
};

} // namespace climora
