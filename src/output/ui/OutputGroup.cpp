#include "output/ui/OutputGroup.h"

#include "base/Command.h"
#include "base/TextFile.h"
#include "base/ui/PanelText.h"
#include "output/LoadBack.h"
#include "output/SaveOutput.h"
#include "output/SpreadsheetHandOff.h"
#include "output/WeatherFileUpdateCommand.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace climora {

OutputGroup::OutputGroup(FrameState& frame, Messenger& messenger, FileDialogs& dialogs,
                         DesktopOpener& opener, QWidget* parent)
    : QGroupBox(tr("Output"), parent), frame_(frame), messenger_(messenger), dialogs_(dialogs),
      opener_(opener), memo2_(new QPlainTextEdit(this)) {
    setObjectName("OutputGroup");
    setAccessibleName(tr("Output"));

    memo2_->setObjectName("Memo2");
    memo2_->setAccessibleName(tr("Output panel"));
    memo2_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo2_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* buttons = new QHBoxLayout;
    QPushButton* saveButton = addButton("Button4", tr("Save"), QString());
    QPushButton* excelButton = addButton("Button6", tr("Load in Excel"), QString());
    QPushButton* loadBackButton = addButton("Button7", tr("Load back to input panel"),
                                            tr("For another round of processing."));
    QPushButton* updateButton = addButton("Button2", tr("Update Agrovia weather file"),
                                          tr("Update an existing Agrovia weather"));
    QPushButton* chartButton =
        addButton("chartButton", tr("Chart"), tr("Show the output's weather series as charts"));
    exportButton_ = addButton("exportButton", tr("Export..."), QString());
    for (QPushButton* button :
         {saveButton, excelButton, loadBackButton, updateButton, chartButton, exportButton_})
        buttons->addWidget(button);
    dropKeptRun();
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo2_, 1);
    layout->addLayout(buttons);

    connect(saveButton, &QPushButton::clicked, this, [this] { guarded([this] { save(); }); });
    connect(excelButton, &QPushButton::clicked, this,
            [this] { guarded([this] { loadInSpreadsheet(); }); });
    connect(loadBackButton, &QPushButton::clicked, this, [this] { loadBack(); });
    connect(updateButton, &QPushButton::clicked, this, &OutputGroup::updateRequested);
    connect(chartButton, &QPushButton::clicked, this, &OutputGroup::chartRequested);
    connect(exportButton_, &QPushButton::clicked, this,
            [this] { guarded([this] { exportKeptRun(); }); });
    connect(memo2_, &QPlainTextEdit::textChanged, this, &OutputGroup::dropKeptRun);
}

QPushButton* OutputGroup::addButton(const char* objectName, const QString& caption,
                                    const QString& hint) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    if (!hint.isEmpty())
        button->setToolTip(hint);
    return button;
}

std::vector<std::string> OutputGroup::outputLines() const {
    return splitLines(memo2_->toPlainText().toStdString());
}

// Every line keeps its line end, so that a last empty line survives the
// way back through outputLines().
void OutputGroup::setOutputLines(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines)
        text += QString::fromStdString(line) + '\n';
    memo2_->setPlainText(text);
}

void OutputGroup::clearOutput() {
    memo2_->clear();
}

void OutputGroup::guarded(const std::function<void()>& command) {
    runCommand(messenger_, command);
}

void OutputGroup::save() {
    std::string inputName = inputName_ ? inputName_() : std::string();
    saveOutput(outputLines(), inputName, frame_.defaultInputFolder, dialogs_, messenger_);
}

void OutputGroup::loadInSpreadsheet() {
    if (!frame_.workFolder)
        throw std::runtime_error("The work folder is not available.");
    climora::loadInSpreadsheet(outputLines(), *frame_.workFolder, opener_, messenger_);
}

void OutputGroup::loadBack() {
    LoadedBack loaded = climora::loadBack(outputLines());
    QStringList lines;
    for (const std::string& line : loaded.inputLines)
        lines << QString::fromStdString(line);
    clearOutput();
    emit loadBackRequested(QString::fromStdString(loaded.inputName), lines);
}

void OutputGroup::keepRun(KeptRun run) {
    kept_ = std::move(run);
    exportButton_->setEnabled(true);
    exportButton_->setToolTip(tr("Write the last run's days as a DSSAT or APSIM weather file"));
}

void OutputGroup::dropKeptRun() {
    kept_.reset();
    exportButton_->setEnabled(false);
    exportButton_->setToolTip(exportUnavailableText);
}

void OutputGroup::exportKeptRun() {
    if (kept_)
        exportLayout(*kept_, frame_.defaultInputFolder, dialogs_, messenger_);
}

void OutputGroup::MemoPanel::loadFile(const std::filesystem::path& file) {
    group_.setOutputLines(readTextLines(file));
}

void OutputGroup::MemoPanel::removeLines(long long first, long long count) {
    removePanelLines(*group_.memo2_, first, count);
}

void OutputGroup::MemoPanel::insertLine(long long index, const std::string& text) {
    insertPanelLine(*group_.memo2_, index, QString::fromStdString(text));
}

UpdateOutcome OutputGroup::updateWeatherFile(int task) {
    UpdateOutcome outcome = UpdateOutcome::Refused;
    guarded([&] {
        outcome = updateWeatherFileCommand(
            outputLines(), task, frame_, dialogs_, messenger_,
            [this](const NumberPlace& place) { emit numberUnreadable(place); });
    });
    return outcome;
}

} // namespace climora
