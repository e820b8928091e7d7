#pragma once

#include "app/Messenger.h"

#include <string>

namespace climora {

// The check made while the user types in "Sign of missing values": a text
// that is not an integer is pointed out in a plain box; the text stays.
// An empty box and a lone "-" are an integer still being typed.
void testInputTypeOne(const std::string& signText, Messenger& messenger);

} // namespace climora
