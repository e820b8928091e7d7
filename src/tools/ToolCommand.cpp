#include "tools/ToolCommand.h"

#include "base/Command.h"
#include "base/NumberText.h"
#include "base/TextFile.h"

#include <stdexcept>

namespace climora {

bool rowsTextIsEmpty(const std::string& rowsText) {
    return trimBlanks(rowsText).empty();
}

long long headerRowCount(const std::string& rowsText) {
    std::optional<long long> rows = parseInteger(trimBlanks(rowsText));
    if (!rows)
        throw std::runtime_error("'" + rowsText + "' is not a valid integer value.");
    return *rows;
}

bool runToolStep(ToolContext& context, const std::function<void()>& step) {
    // The gauge goes before the error box appears.
    return runCommand(context.messenger, [&] {
        try {
            step();
        } catch (...) {
            context.gauge.hide();
            throw;
        }
    });
}

void saveInputPanel(const WorkFolder& work, const std::vector<std::string>& lines) {
    writeTextLines(work.file(temporary::input), lines);
}

void rewriteDataRows(const std::filesystem::path& input, const std::filesystem::path& output,
                     long long headerRows,
                     const std::function<void(std::string_view line, std::string& out)>& rewrite) {
    TextLineReader reader(input);
    TextLineWriter writer(output);
    std::string line;
    for (long long i = 0; i < headerRows && reader.next(line); ++i)
        writer.line(line);
    std::string rewritten;
    while (reader.next(line)) {
        rewritten.clear();
        rewrite(line, rewritten);
        writer.line(rewritten);
    }
    writer.close();
}

std::optional<std::vector<std::string>>
rewritePanelRows(const InputPanelData& panel, ToolContext& context,
                 const std::function<void(std::string_view line, std::string& out)>& rewrite) {
    const WorkFolder& work = context.work;
    std::vector<std::string> result;
    bool done = runToolStep(context, [&] {
        long long headerRows = headerRowCount(panel.rowsText);
        saveInputPanel(work, panel.lines);
        context.gauge.show();
        rewriteDataRows(work.file(temporary::input), work.file(temporary::output), headerRows,
                        rewrite);
        result = readTextLines(work.file(temporary::output));
    });
    if (!done)
        return std::nullopt;
    return result;
}

} // namespace climora
