#pragma once

#include <string>
#include <vector>

namespace climora {

// Something a run noticed that is allowed but probably not meant: one line
// of text, either "COLUMN n (VARIABLE): WHAT; N rows, first on line L" or a
// note on the whole file, and the input lines it concerns (1-based, empty
// for a whole-file note). Notes never change an output, a message or an
// exit status.
struct Note {
    std::string text;
    std::vector<long> lines;

    bool operator==(const Note&) const = default;
};

} // namespace climora
