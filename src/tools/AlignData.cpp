#include "tools/AlignData.h"

#include "app/TextFile.h"
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
    const WorkFolder& work = context.work;
    std::vector<std::string> aligned;
    bool done = runToolStep(context, [&] {
        long long headerRows = headerRowCount(panel.rowsText);
        saveInputPanel(work, panel.lines);
        context.gauge.show();
        rewriteDataRows(work.file(inputTempName), work.file(outputTempName), headerRows,
                        [&](std::string_view line, std::string& out) {
                            std::size_t steps = 1; // the line end
                            alignDataLine(line, out, &steps);
                            for (std::size_t i = 0; i < steps; ++i)
                                context.gauge.step();
                        });
        context.gauge.hide();
        aligned = readTextLines(work.file(outputTempName));
    });
    if (!done)
        return false;
    context.replacePanel(std::move(aligned));
    std::error_code ignored;
    std::filesystem::remove(work.file(inputTempName), ignored);
    context.messenger.tone(Tone::Exclamation);
    return true;
}

} // namespace climora
