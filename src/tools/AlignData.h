#pragma once

#include "tools/ToolCommand.h"

#include <string>
#include <string_view>

namespace climora {

// The numbers of a data row, each followed by one TAB; a row without numbers
// becomes empty. Adds the number count to `numbers` when given.
void alignDataLine(std::string_view line, std::string& out, std::size_t* numbers = nullptr);
std::string alignDataLine(std::string_view line);

// "Control" > "Align input data using tabs": checks the input name and the
// rows box, then rewrites every data row of the panel by alignDataLine through
// "Input.~" and "Output.~", replaces the panel and gives the exclamation tone.
// The gauge steps once per number and once per line end. "Output.~" stays.
// Returns false when the command stopped; the panel is then unchanged.
bool alignInputData(const InputPanelData& panel, ToolContext& context);

} // namespace climora
