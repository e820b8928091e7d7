#include "tools/RemoveColumns.h"

#include "base/TextFile.h"
#include "tools/DataNumbers.h"

namespace climora {

void removeColumnsLine(std::string_view line, const ColumnMarks& marks, std::string& out) {
    std::size_t column = 0;
    forEachDataNumber(line, [&](std::string_view number) {
        ++column;
        if (column <= marks.size() && marks[column - 1])
            return;
        out.append(number);
        out += '\t';
    });
}

std::string removeColumnsLine(std::string_view line, const ColumnMarks& marks) {
    std::string out;
    removeColumnsLine(line, marks, out);
    return out;
}

bool removeColumnsAllowed(const std::string& rowsText, Messenger& messenger) {
    if (!rowsTextIsEmpty(rowsText))
        return true;
    messenger.reportError(rowsNotSpecifiedForRemoval);
    return false;
}

bool removeColumns(const InputPanelData& panel, const ColumnMarks& marks, ToolContext& context) {
    auto remaining = rewritePanelRows(panel, context, [&](std::string_view line, std::string& out) {
        removeColumnsLine(line, marks, out);
        context.gauge.step();
    });
    if (!remaining)
        return false;
    context.messenger.tone(Tone::Exclamation);
    context.gauge.hide();
    context.replacePanel(std::move(*remaining));
    context.messenger.information(columnsRemoved);
    return true;
}

} // namespace climora
