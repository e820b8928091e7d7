#include "tools/AlignData.h"

#include "base/TextFile.h"
#include "tools/DataNumbers.h"

#include <filesystem>

namespace climora {

void alignDataLine(std::string_view line, std::string& out, std::size_t* numbers) {
    std::size_t count = forEachDataNumber(line, [&](std::string_view number) {
        out.append(number);
        out += '\t';
    });
    if (numbers)
        *numbers += count;
}

std::string alignDataLine(std::string_view line) {
    std::string out;
    alignDataLine(line, out);
    return out;
}

bool alignInputData(const InputPanelData& panel, ToolContext& context) {
    if (panel.inputName.empty()) {
        context.messenger.reportError(openFileFirst);
        return false;
    }
    if (rowsTextIsEmpty(panel.rowsText)) {
        context.messenger.reportError(rowsNotSpecified);
        return false;
    }
    auto aligned = rewritePanelRows(panel, context, [&](std::string_view line, std::string& out) {
        std::size_t steps = 1; // the line end
        alignDataLine(line, out, &steps);
        for (std::size_t i = 0; i < steps; ++i)
            context.gauge.step();
    });
    if (!aligned)
        return false;
    context.gauge.hide();
    context.replacePanel(std::move(*aligned));
    std::error_code ignored;
    std::filesystem::remove(context.work.file(temporary::input), ignored);
    context.messenger.tone(Tone::Exclamation);
    return true;
}

} // namespace climora
