#pragma once

#include "base/WorkFolder.h"
#include "tools/ToolCommand.h"

#include <optional>
#include <string>
#include <string_view>

namespace climora {

// The "Clean data" explanation box: the explanation, an OK button and a
// "Don't show me again." check box.
class CleanDataExplanation {
  public:
    virtual ~CleanDataExplanation() = default;
    // Shows the box. Closed with OK: whether "Don't show me again." was
    // ticked. Closed in any other way: nothing.
    virtual std::optional<bool> show() = 0;
};

// Answers the box from a script, for tests and the batch front end.
class ScriptedCleanDataExplanation : public CleanDataExplanation {
  public:
    std::optional<bool> answer = false; // closed with OK, box not ticked
    int shown = 0;
    std::optional<bool> show() override {
        ++shown;
        return answer;
    }
};

inline constexpr const char* cleanDataCaption = "Clean data";
inline constexpr const char* cleanDataExplanationText =
    "This procedure removes all non-value characters (e.g., quality control flags) in the data.";
inline constexpr const char* cleanDataDontShowAgain = "Don't show me again.";

// temporary::cleanDataMarker keeps the choice not to show the explanation
// again. Being a temporary, it goes with the others at each start and exit.
// False only when the marker's first line holds the integer 0.
bool cleanDataExplanationWanted(const WorkFolder& work);

// `cleanDataMessage`: shows the explanation; closed with OK it rewrites the
// marker with 0 (ticked) or 1, otherwise the marker stays as it was.
void cleanDataMessage(const WorkFolder& work, CleanDataExplanation& explanation);

// "Control" > "Clean input data" (`CleanData1Click`): the explanation unless
// the marker says not to, then the input-name and rows checks, then the
// cleaning of every data row of the panel (the cleaning the Process run
// uses) through "Input.~" and "Output.~", which are deleted afterwards; the
// panel is replaced and the exclamation tone closes the command. Returns
// false when the command stopped; the panel is then unchanged.
bool cleanInputData(const InputPanelData& panel, ToolContext& context,
                    CleanDataExplanation& explanation);

} // namespace climora
