#pragma once

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

} // namespace climora
