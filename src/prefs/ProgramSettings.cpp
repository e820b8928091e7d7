#include "prefs/ProgramSettings.h"

#include "base/NumberText.h"
#include "base/TextFile.h"

#include <charconv>
#include <vector>

namespace climora {

void ProgramSettings::load(const std::filesystem::path& file) {
    values_.clear();
    std::vector<std::string> lines;
    try {
        lines = readTextLines(file);
    } catch (const std::exception&) {
        return;
    }
    for (const std::string& line : lines) {
        std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        values_[std::string(trimBlanks(line.substr(0, equals)))] =
            std::string(trimBlanks(line.substr(equals + 1)));
    }
}

void ProgramSettings::save(const std::filesystem::path& file) const {
    std::vector<std::string> lines;
    for (const auto& [key, text] : values_)
        lines.push_back(key + "=" + text);
    std::filesystem::path beside = file;
    beside += ".new~";
    writeTextLines(beside, lines);
    std::error_code error;
    std::filesystem::rename(beside, file, error);
    if (error) {
        std::filesystem::remove(beside, error);
        throw FileError("Cannot write \"" + file.string() + "\".");
    }
}

bool ProgramSettings::flag(const std::string& key, bool byDefault) const {
    auto found = values_.find(key);
    if (found == values_.end() || (found->second != "0" && found->second != "1"))
        return byDefault;
    return found->second == "1";
}

void ProgramSettings::setFlag(const std::string& key, bool on) {
    values_[key] = on ? "1" : "0";
}

std::string ProgramSettings::value(const std::string& key) const {
    auto found = values_.find(key);
    return found == values_.end() ? std::string() : found->second;
}

void ProgramSettings::setValue(const std::string& key, const std::string& text) {
    values_[key] = text;
}

int ProgramSettings::number(const std::string& key, int byDefault) const {
    std::string text = value(key);
    int number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return byDefault;
    return number;
}

void ProgramSettings::setNumber(const std::string& key, int number) {
    values_[key] = std::to_string(number);
}

} // namespace climora
