#pragma once

#include "notes/Note.h"
#include "pipeline/UnreadableNumber.h"

namespace climora {

// line 5, value 1 of the input: "2020-01-01" -- with a hint for dates
// written with dashes, which the alignment tool splits into fields.
Note locationNote(const NumberPlace& place);

} // namespace climora
