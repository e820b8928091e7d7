#pragma once

#include "base/TextFile.h"
#include "base/WorkFolder.h"
#include "input/ColumnSlots.h"
#include "templates/TemplateFiles.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace climora::testing {

// A work folder in a temporary folder with helpers for the template files.
struct TemplateFolder {
    TempFolder temp;
    WorkFolder work{temp.path()};

    void put(const std::string& name, const std::string& bytes) const {
        writeBytes(temp / name, bytes);
    }
    std::string bytes(const std::string& name) const { return readBytes(temp / name); }
    bool has(const std::string& name) const { return std::filesystem::exists(temp / name); }
    // The names of every file in the folder.
    std::set<std::string> files() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(temp.path()))
            names.insert(entry.path().filename().string());
        return names;
    }
    // Nothing but the list and the settings file: no backup or temporary left.
    bool holdsOnlyTheTwoFiles() const {
        return files() == std::set<std::string>{"TemplateList.clx", "TemplateSettings.clx"};
    }
};

// The same variable, unit and unit list in every slot.
inline void expectSameSlots(const ColumnSlots& actual, const ColumnSlots& expected) {
    for (int k = 0; k < slotCount; ++k) {
        EXPECT_EQ(actual[k].variable, expected[k].variable) << k;
        EXPECT_EQ(actual[k].unit, expected[k].unit) << k;
        EXPECT_EQ(actual[k].unitItems, expected[k].unitItems) << k;
    }
}

// Writes that fail for one file name: the failing write first puts part of
// its lines on disk, as a full disk would. No write fails while the name is
// empty.
struct FailingWrites : TemplateWrites {
    explicit FailingWrites(std::string name = {}) : failingName(std::move(name)) {}
    void writeLines(const std::filesystem::path& file,
                    const std::vector<std::string>& lines) override {
        if (failingName.empty() || file.filename() != failingName)
            return TemplateWrites::writeLines(file, lines);
        std::vector<std::string> part(lines.begin(), lines.begin() + lines.size() / 2);
        TemplateWrites::writeLines(file, part);
        throw FileError("Write error on file \"" + file.string() + "\".");
    }
    std::string failingName;
};

// Twelve positions as a settings line: each followed by a TAB.
inline std::string tabbed(const std::vector<int>& positions) {
    std::string line;
    for (int p : positions)
        line += std::to_string(p) + "\t";
    return line;
}

inline const std::string noPositions = "-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t-1\t";

// A block as a save writes it (CR LF, no empty line before it).
inline std::string block(const std::string& name, const std::string& rows,
                         const std::string& variables, const std::string& units) {
    return name + "\r\n" + rows + "\r\n" + variables + "\r\n" + units + "\r\n";
}

} // namespace climora::testing
