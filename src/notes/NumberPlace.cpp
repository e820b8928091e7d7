#include "notes/NumberPlace.h"

namespace climora {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits, a dash, digits, a dash, digits: 2020-01-01, 01-31-2020.
bool looksLikeDashedDate(std::string_view token) {
    int groups = 0;
    std::size_t i = 0;
    while (i < token.size()) {
        std::size_t start = i;
        while (i < token.size() && isDigit(token[i]))
            ++i;
        if (i == start)
            return false;
        ++groups;
        if (i == token.size())
            break;
        if (token[i++] != '-' || i == token.size())
            return false;
    }
    return groups == 3;
}

} // namespace

Note locationNote(const NumberPlace& place) {
    Note note;
    note.text = "line " + std::to_string(place.line) + ", value " + std::to_string(place.value) +
                " of " + place.source + ": \"" + place.token + "\"";
    // The hint names a tool of the input panel: other files have no use for it.
    if (place.source == NumberPlace().source && looksLikeDashedDate(place.token))
        note.text += "; \"Align input data using tabs\" splits such dates into fields";
    note.lines.push_back(place.line);
    return note;
}

} // namespace climora
