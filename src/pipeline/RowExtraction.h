#pragma once

#include "base/Messenger.h"
#include "pipeline/NormalForm.h"
#include "pipeline/RowSink.h"
#include "pipeline/TaskContext.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

// The "Missing value substitution" group.
struct MissingValueSettings {
    bool enabled = true;
    std::string sign = "-99";          // used as an integer
    std::string substitution = "0.01"; // written into the data as it stands
};

// The sign box's text changed: a text that is not an integer is refused with
// a plain box (the text stays); an empty box or a lone "-" is not yet
// pointed out. Returns whether the text is an integer.
bool testInputTypeOne(const std::string& text, Messenger& messenger);

// The sign as an integer; a text that is not one throws std::runtime_error.
long long missingValueSign(const std::string& text);

// Sees each data line as the input holds it, with its 1-based line number.
using RawLineWatch = std::function<void(std::string_view line, long lineNumber)>;

// Cuts Input.~ (the input panel as saved) from the first data line shorter
// than 5 characters on: the end notes. Returns the lines it had before.
long removeEndNotes(TaskContext& context);

// One pass over the input (the context's input file, else Input.~ as the
// panel was saved) that leaves Input.~ with the N header lines and the data
// rows rewritten:
// - the data end at the end notes: everything from the first data line
//   shorter than 5 characters on is left out;
// - in comma- or semicolon-separated lines, decimal commas become points
//   and empty fields are missing values (mendSeparatedFields): with the
//   substitution on they take the sign, else the line reads as ending there;
// - every character that cannot belong to a number becomes a blank;
// - with the substitution on, the values are written tab-separated: the
//   missing-value sign becomes the substitution text, whole numbers lose
//   their decimals, others get three (a line of blanks takes the next line's
//   values);
// - lines with some but fewer values than the column count (or with -9999
//   among them) are reported in the output panel: the run stops and Input.~
//   is deleted. The report stays as Report.~ while the panel shows it.
// With the substitution on, the rows a reader of the rewritten lines would
// find are recorded in the context for the passes that follow, and the data
// lines are written only when a later step reads them (see keepsWorkFiles).
// A token that is not a number throws UnreadableNumber with its place.
// Returns the number of lines of the input, end notes included.
//
// When the rows are assembled while extracting (see below), the `passes`
// see them as they are read, each after the header lines; they must stay
// silent until the extraction has reported its own outcome. The rows are
// then also recorded in the context for later passes, unless `keepRows` is
// false.
long extractDataRows(TaskContext& context, const MissingValueSettings& settings,
                     const RawLineWatch& watch = {}, std::vector<RowSink*> passes = {},
                     bool keepRows = true);

// Whether the extraction assembles the rows as it reads them: the
// substitution is on (so every value is read) and its text has no line break.
bool rowsAssembledWhileExtracting(const TaskContext& context, const MissingValueSettings& settings);

} // namespace climora
