#pragma once

#include <cstddef>
#include <string_view>

namespace climora {

// How the align and remove tools see the numbers of a data row: a number
// begins with "-" or a digit and goes on with digits and "."; the character
// that ends it is dropped, and so is everything before a number. So "."
// cannot begin a number, a lone "-" is a number of its own, and the dashes
// of 2005-01-05 only separate three numbers.
//
// Calls `found(number)` for each number from left to right and returns how
// many there were.
template <class Found> std::size_t forEachDataNumber(std::string_view line, Found&& found) {
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        if (!isDigit(line[i]) && line[i] != '-') {
            ++i;
            continue;
        }
        std::size_t start = i++;
        while (i < line.size() && (isDigit(line[i]) || line[i] == '.'))
            ++i;
        found(line.substr(start, i - start));
        ++count;
        ++i; // the character that ended the number goes with it
    }
    return count;
}

} // namespace climora
