#include "tools/CleanDataCommand.h"

#include "base/NumberText.h"
#include "base/TextFile.h"
#include "tools/CleanData.h"

#include <filesystem>

namespace climora {

bool cleanDataExplanationWanted(const WorkFolder& work) {
    if (!work.exists(temporary::cleanDataMarker))
        return true;
    try {
        std::vector<std::string> lines = readTextLines(work.file(temporary::cleanDataMarker));
        if (lines.empty())
            return true;
        std::optional<long long> choice = parseInteger(trimBlanks(lines.front()));
        return !choice || *choice != 0;
    } catch (const std::exception&) {
        return true; // an unreadable marker keeps the explanation
    }
}

void cleanDataMessage(const WorkFolder& work, CleanDataExplanation& explanation) {
    std::optional<bool> dontShowAgain = explanation.show();
    if (dontShowAgain)
        writeTextLines(work.file(temporary::cleanDataMarker), {*dontShowAgain ? "0" : "1"});
}

bool cleanInputData(const InputPanelData& panel, ToolContext& context,
                    CleanDataExplanation& explanation) {
    const WorkFolder& work = context.work;
    if (cleanDataExplanationWanted(work) &&
        !runToolStep(context, [&] { cleanDataMessage(work, explanation); }))
        return false;
    if (panel.inputName.empty()) {
        context.messenger.reportError(openFileFirst);
        return false;
    }
    if (rowsTextIsEmpty(panel.rowsText)) {
        context.messenger.reportError(rowsNotSpecified);
        return false;
    }
    std::vector<std::string> cleaned;
    bool done = runToolStep(context, [&] {
        long long headerRows = headerRowCount(panel.rowsText);
        saveInputPanel(work, panel.lines);
        cleanDataFile(work.file(temporary::input), work.file(temporary::output), headerRows,
                      context.gauge);
        cleaned = readTextLines(work.file(temporary::output));
    });
    std::error_code ignored;
    std::filesystem::remove(work.file(temporary::input), ignored);
    if (!done)
        return false;
    context.replacePanel(std::move(cleaned));
    std::filesystem::remove(work.file(temporary::output), ignored);
    context.messenger.tone(Tone::Exclamation);
    return true;
}

} // namespace climora
