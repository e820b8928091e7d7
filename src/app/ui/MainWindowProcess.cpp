// "Step 4: Process" and what the explorer asks of the main window.
#include "app/ui/MainWindow.h"

#include "base/Command.h"
#include "base/TextFile.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "input/ui/InputNameBox.h"
#include "notes/NumberPlace.h"
#include "output/ui/OutputGroup.h"
#include "pipeline/ui/ActivityGaugeWidget.h"
#include "pipeline/ui/MissingValueGroup.h"
#include "pipeline/ui/SiteCoordinateDialog.h"
#include "pipeline/ui/TaskGroup.h"
#include "process/ProcessRun.h"
#include "templates/ui/TemplateComboBox.h"

namespace climora {

ProcessRequest MainWindow::processRequest() const {
    ProcessRequest request;
    request.inputName = nameBox_->text().toStdString();
    request.rowsText = rowsText();
    request.task = taskGroup_->task();
    request.columnSlots = inputGroup_->slotsWidget()->columnSlots();
    request.convertEnabled = taskGroup_->convertEnabled();
    request.convertChecked = taskGroup_->convertChecked();
    request.missingValues = missingGroup_->settings();
    taskGroup_->readEstimationSettings(request.estimation);
    request.keepDays = keepsDays(request);
    request.saveInput = [lines = inputGroup_->panelLines()](const std::filesystem::path& file) {
        writeTextLines(file, lines);
    };
    return request;
}

void MainWindow::process() {
    ProcessOutcome outcome;
    ProcessRequest request;
    showNotes({});
    keepRunNotes({}, 0);
    std::size_t inputHash = inputPanelHash();
    bool finished = runCommand(messenger_, [this, &outcome, &request] {
        try {
            request = processRequest();
            outcome = runProcess(request, *frame_.workFolder, messenger_, taskGroup_->gauge(),
                                 outputGroup_->runPanel());
        } catch (const UnreadableNumber& unreadable) {
            // The place shows in the strip while the error box is up.
            showNotes({locationNote(unreadable.place())});
            throw;
        }
    });
    if (finished) {
        showNotes(outcome.notes);
        keepRunNotes(outcome.notes, inputHash);
    }
    if (!finished || outcome.end != RunEnd::Completed)
        return;
    taskGroup_->showDone();
    if (request.keepDays)
        outputGroup_->keepRun(keptRunOf(request, std::move(outcome.days), std::nullopt));
    if (outcome.next == NextStep::SiteCoordinate) {
        askForLatValueAndInsert(this, messenger_, [this, request](const std::string& line) {
            std::optional<KeptRun> kept = outputGroup_->keptRun();
            outputGroup_->runPanel().insertLine(1, line);
            if (kept) // the site line's values replace the page's
                outputGroup_->keepRun(
                    keptRunOf(request, std::move(kept->days), siteValuesOfLine(line)));
        });
    } else if (outcome.next == NextStep::Update) {
        runCommand(messenger_, [this] { outputGroup_->updateWeatherFile(2); });
    }
}

void MainWindow::setInputText(const std::string& text) {
    inputGroup_->setPanelText(QString::fromStdString(text));
}

void MainWindow::setInputName(const std::string& name) {
    nameBox_->setName(QString::fromStdString(name));
    layOutInputName();
}

void MainWindow::selectFirstTemplate() {
    if (templateBox_->count() > 0)
        templateBox_->selectPosition(0);
}

} // namespace climora
