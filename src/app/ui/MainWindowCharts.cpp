// The chart windows of the input and output panels.
#include "app/ui/MainWindow.h"

#include "charts/ChartMarks.h"
#include "charts/OutputRows.h"
#include "charts/ui/ChartWindow.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "methods/ui/Task4Page.h"
#include "methods/ui/Task5Page.h"
#include "methods/ui/Task7Page.h"
#include "output/ui/OutputGroup.h"
#include "pipeline/NumberReader.h"
#include "pipeline/ui/MissingValueGroup.h"
#include "pipeline/ui/TaskGroup.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <charconv>
#include <cmath>

namespace climora {

namespace {

std::optional<long long> wholeNumber(const std::string& text) {
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

void moveCursorToLine(QPlainTextEdit* panel, long long line) {
    QTextBlock block = panel->document()->findBlockByNumber(int(line));
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    panel->setTextCursor(cursor);
    panel->centerCursor();
    panel->window()->activateWindow();
    panel->setFocus();
}

} // namespace

PanelReading MainWindow::chartReading() const {
    PanelReading reading;
    reading.rowsBeforeData = wholeNumber(rowsText()).value_or(0);
    MissingValueSettings missing = missingGroup_->settings();
    if (std::optional<long long> sign = wholeNumber(missing.sign); missing.enabled && sign)
        reading.missingSign = int(*sign);
    return reading;
}

// The latitude of the selected task's page, else of the first page that has one.
std::optional<double> MainWindow::pageLatitude() const {
    std::vector<QLineEdit*> boxes = {static_cast<Task4Page*>(taskGroup_->page(4))->latitudeBox(),
                                     static_cast<Task5Page*>(taskGroup_->page(5))->latitudeBox(),
                                     static_cast<Task7Page*>(taskGroup_->page(7))->latitudeBox()};
    int task = taskGroup_->task();
    if (task == 4 || task == 5 || task == 7)
        boxes.insert(boxes.begin(), boxes[task == 7 ? 2 : task - 4]);
    for (QLineEdit* box : boxes)
        if (std::optional<double> value = parseDataNumber(box->text().trimmed().toStdString());
            value && std::abs(*value) <= 90)
            return value;
    return std::nullopt;
}

void MainWindow::chartInput() {
    ColumnSpec spec = chartColumnSpec(inputGroup_->slotsWidget()->columnSlots());
    ChartRequest request{chartPanelRows(inputGroup_->panelLines(), spec, chartReading()),
                         {},
                         QStringLiteral("input panel")};
    request.table.latitude = pageLatitude();
    if (auto days = checkupReportDays(outputGroup_->outputLines()))
        request.lineMarks = linesOnDays(request.table, *days, checkupReason);
    std::vector<LineMark> noted = runNoteMarks();
    request.lineMarks.insert(request.lineMarks.end(), noted.begin(), noted.end());
    showChart(std::move(request), inputGroup_->panel());
}

// A checkup report stands for the input rows it found fault with.
void MainWindow::chartOutput() {
    std::vector<std::string> lines = outputGroup_->outputLines();
    if (outputKind(lines) == OutputKind::CheckupReport)
        return chartInput();
    ColumnSpec spec = chartColumnSpec(inputGroup_->slotsWidget()->columnSlots());
    ChartRequest request{
        chartOutputRows(lines, spec, chartReading()), {}, QStringLiteral("output panel")};
    if (!request.table.latitude)
        request.table.latitude = pageLatitude();
    if (std::vector<LineMark> noted = runNoteMarks(); !noted.empty()) {
        ChartTable input = chartPanelRows(inputGroup_->panelLines(), spec, chartReading());
        request.lineMarks = marksOnSameDays(input, noted, request.table);
    }
    showChart(std::move(request), outputGroup_->panel());
}

void MainWindow::showChart(ChartRequest request, QPlainTextEdit* panel) {
    ChartWindow* window =
        openChartWindow(std::move(request), messenger_, fileDialogs_, *frame_.workFolder, this);
    if (window)
        connect(window, &ChartWindow::lineActivated, this,
                [panel](long long line) { moveCursorToLine(panel, line); });
}

void MainWindow::closeChartWindows() {
    for (ChartWindow* window : findChildren<ChartWindow*>())
        window->close();
}

} // namespace climora
