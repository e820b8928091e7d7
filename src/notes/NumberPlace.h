#pragma once

#include "notes/Note.h"
#include "pipeline/NumberReader.h"

#include <string>

namespace climora {

// Where a token that is not a number stands.
struct NumberPlace {
    long line = 0; // 1-based line of the file
    int value = 0; // 1-based position of the token on its line
    std::string token;
    std::string source = "the input"; // "the input" or a quoted file name
};

// "Invalid numeric input" as the runtime reports it (what() is unchanged),
// carrying the place for the note that goes with it.
class UnreadableNumber : public InvalidNumericInput {
  public:
    explicit UnreadableNumber(NumberPlace place) : place_(std::move(place)) {}
    const NumberPlace& place() const { return place_; }

  private:
    NumberPlace place_;
};

// line 5, value 1 of the input: "2020-01-01" -- with a hint for dates
// written with dashes, which the alignment tool splits into fields.
Note locationNote(const NumberPlace& place);

} // namespace climora
