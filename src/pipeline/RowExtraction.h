#pragma once

#include "app/Messenger.h"
#include "pipeline/TaskContext.h"

#include <string>

namespace climora {

// The "Missing value substitution" group.
struct MissingValueSettings {
    bool enabled = true;
    std::string sign = "-99";          // used as an integer
    std::string substitution = "0.01"; // written into the data as it stands
};

// The sign box's text changed: a text that is not an integer is refused with
// a plain box (the text stays). Returns whether the text is an integer.
bool testInputTypeOne(const std::string& text, Messenger& messenger);

// The sign as an integer; a text that is not one throws std::runtime_error.
long long missingValueSign(const std::string& text);

// The steps that prepare Input.~ (N header lines, then the data) before the
// checkup. Each rewrites Input.~ whole; only checkForMissingValues stops a run.

// Cuts everything from the first data line shorter than 5 characters on.
void removeEndNotes(TaskContext& context);
// Blanks every character of the data lines that cannot belong to a number.
void checkData(TaskContext& context);
// Rewrites the data block tab-separated: the missing-value sign becomes the
// substitution text, whole numbers lose their decimals, others get three.
void valueSubstitution(TaskContext& context, const MissingValueSettings& settings);

// The missing-value sentinel appended to every line by the check below.
inline constexpr double missingValueSentinel = -9999;

// Reports lines with some but fewer values than the column count (or with
// -9999 among them) in the output panel; the run stops and Input.~ is
// deleted. The report stays as Report.~ while the panel shows it.
void checkForMissingValues(TaskContext& context);

} // namespace climora
