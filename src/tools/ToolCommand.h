#pragma once

#include "base/ActivityGauge.h"
#include "base/Messenger.h"
#include "base/WorkFolder.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

// What the editing tools read from the main window.
struct InputPanelData {
    const std::vector<std::string>& lines; // the input panel, one entry a line
    std::string inputName;                 // the input-name box
    std::string rowsText;                  // "Rows before data start"
};

// Replaces the input panel's text by the tool's result.
using ReplacePanelLines = std::function<void(std::vector<std::string>&& lines)>;

// The ports and the work folder a tool command runs against.
struct ToolContext {
    const WorkFolder& work;
    Messenger& messenger;
    ActivityGauge& gauge;
    ReplacePanelLines replacePanel;
};

inline constexpr const char* openFileFirst = "Open a file first.";
inline constexpr const char* rowsNotSpecified =
    "The number of rows before start of data is not specified yet.";

// True when the rows box holds nothing but blanks.
bool rowsTextIsEmpty(const std::string& rowsText);

// The rows-before-data count of a non-empty rows box; throws
// std::runtime_error when the text is not a whole number.
long long headerRowCount(const std::string& rowsText);

// Runs one step of a tool. A failure (a file that cannot be written, a rows
// box that is not a number) hides the gauge, is reported with its own text
// and gives false; the caller then leaves the input panel as it was.
bool runToolStep(ToolContext& context, const std::function<void()>& step);

// Writes the panel's lines to "Input.~".
void saveInputPanel(const WorkFolder& work, const std::vector<std::string>& lines);

// Copies `input` to `output`: the first `headerRows` lines unchanged, every
// further line through `rewrite`. Lines end in CR LF.
void rewriteDataRows(const std::filesystem::path& input, const std::filesystem::path& output,
                     long long headerRows,
                     const std::function<void(std::string_view line, std::string& out)>& rewrite);

// The tools' common step: saves the panel to "Input.~", shows the gauge,
// rewrites the data rows into "Output.~" and reads the result back. Nothing
// when the step failed (already reported; the gauge hidden).
std::optional<std::vector<std::string>>
rewritePanelRows(const InputPanelData& panel, ToolContext& context,
                 const std::function<void(std::string_view line, std::string& out)>& rewrite);

} // namespace climora
