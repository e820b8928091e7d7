#include "base/ui/PanelText.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace climora {
namespace {

// Closes an unfinished last line, as rewriting the panel line by line would.
void endLastLine(QTextCursor& cursor) {
    if (cursor.document()->lastBlock().length() > 1) {
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral("\n"));
    }
}

// The lines of a panel whose last line is ended: every block but the empty
// one after the final line end.
long long endedLineCount(const QTextDocument& document) {
    return document.blockCount() - 1;
}

int blockStart(const QTextDocument& document, long long line) {
    return document.findBlockByNumber(static_cast<int>(line)).position();
}

} // namespace

void removePanelLines(QPlainTextEdit& panel, long long first, long long count) {
    QTextDocument& document = *panel.document();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    endLastLine(cursor);
    long long lines = endedLineCount(document);
    if (first >= 0 && first < lines && count > 0) {
        cursor.setPosition(blockStart(document, first));
        cursor.setPosition(blockStart(document, std::min(lines, first + count)),
                           QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
}

void insertPanelLine(QPlainTextEdit& panel, long long index, const QString& text) {
    QTextDocument& document = *panel.document();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    endLastLine(cursor);
    long long at = std::clamp<long long>(index, 0, endedLineCount(document));
    cursor.setPosition(blockStart(document, at));
    cursor.insertText(text + QLatin1Char('\n'));
    cursor.endEditBlock();
}

void replacePanelText(QPlainTextEdit& panel, const QString& text) {
    long long lines = panel.document()->blockCount() + text.count(QLatin1Char('\n'));
    if (lines > undoablePanelLines) {
        panel.setPlainText(text);
        return;
    }
    QTextCursor cursor(panel.document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
    panel.moveCursor(QTextCursor::Start);
}

} // namespace climora
