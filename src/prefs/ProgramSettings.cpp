#include "prefs/ProgramSettings.h"

#include "base/TextFile.h"

#include <charconv>
#include <system_error>
#include <vector>

namespace climora {

ProgramSettings::ProgramSettings(const WorkFolder& work)
    : path_(work.file(programSettingsFileName)) {
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec))
        return;
    try {
        for (const std::string& line : readTextLines(path_)) {
            std::size_t equals = line.find('=');
            if (equals != std::string::npos && equals > 0)
                values_[line.substr(0, equals)] = line.substr(equals + 1);
        }
    } catch (const std::exception&) {
        values_.clear(); // an unreadable file counts as none
    }
}

std::string ProgramSettings::text(const std::string& key, const std::string& fallback) const {
    auto found = values_.find(key);
    return found == values_.end() ? fallback : found->second;
}

int ProgramSettings::number(const std::string& key, int fallback) const {
    std::string value = text(key);
    int number = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size())
        return fallback;
    return number;
}

void ProgramSettings::set(const std::string& key, const std::string& value) {
    values_[key] = value;
}

void ProgramSettings::set(const std::string& key, int value) {
    char text[16];
    auto result = std::to_chars(text, text + sizeof text, value);
    values_[key] = std::string(text, result.ptr);
}

void ProgramSettings::save() const {
    std::vector<std::string> lines;
    for (const auto& [key, value] : values_)
        lines.push_back(key + "=" + value);
    std::filesystem::path scratch = path_;
    scratch += ".new";
    writeTextLines(scratch, lines);
    std::error_code ec;
    std::filesystem::rename(scratch, path_, ec);
    if (ec) {
        std::filesystem::remove(scratch, ec);
        throw FileError("Cannot write " + path_.string());
    }
}

} // namespace climora
