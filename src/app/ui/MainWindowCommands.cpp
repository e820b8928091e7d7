// The main window's menus and the commands behind them.
#include "app/ui/MainWindow.h"

#include "app/ui/AboutDialog.h"
#include "app/ui/ElasticScaler.h"
#include "base/Command.h"
#include "base/NumberText.h"
#include "explorer/ui/ExplorerWindow.h"
#include "help/HelpTopics.h"
#include "help/ui/HelpWindow.h"
#include "input/ColumnSuggestion.h"
#include "input/InputFile.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "input/ui/InputNameBox.h"
#include "input/ui/RowsBox.h"
#include "output/ui/OutputGroup.h"
#include "pipeline/ui/ActivityGaugeWidget.h"
#include "pipeline/ui/TaskGroup.h"
#include "prefs/ui/DefaultFoldersDialog.h"
#include "templates/DataTemplate.h"
#include "templates/TemplateStore.h"
#include "templates/ui/TemplateComboBox.h"
#include "templates/ui/TemplateCommands.h"
#include "tools/AlignData.h"
#include "tools/CleanDataCommand.h"
#include "tools/RemoveColumns.h"
#include "tools/ui/CleanDataExplanationBox.h"
#include "tools/ui/RemoveColumnsDialog.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <algorithm>

namespace climora {
namespace {

QAction* addCommand(QMenu* menu, const QString& text, const QString& name) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

} // namespace

QAction* MainWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void MainWindow::buildMenus() {
    buildFileMenu();
    buildControlMenu();
    buildHelpMenu();
}

void MainWindow::buildFileMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("fileMenu"));
    connect(
        addCommand(menu, QStringLiteral("Save input file..."), QStringLiteral("saveInputAction")),
        &QAction::triggered, this, &MainWindow::saveInputFile);
    menu->addSeparator();
    QAction* exit = addCommand(menu, QStringLiteral("Exit"), QStringLiteral("exitAction"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::buildControlMenu() {
    QMenu* menu = controlMenu_ = menuBar()->addMenu(QStringLiteral("&Control"));
    menu->setObjectName(QStringLiteral("controlMenu"));
    connect(addCommand(menu, QStringLiteral("Save current data template..."),
                       QStringLiteral("saveTemplateAction")),
            &QAction::triggered, this, &MainWindow::saveCurrentDataTemplate);
    connect(addCommand(menu, QStringLiteral("Retrieve last session template"),
                       QStringLiteral("retrieveTemplateAction")),
            &QAction::triggered, this, &MainWindow::retrieveLastSessionTemplate);
    connect(addCommand(menu, QStringLiteral("Manage template list..."),
                       QStringLiteral("manageTemplatesAction")),
            &QAction::triggered, this, &MainWindow::manageTemplateList);
    menu->addSeparator();
    connect(addCommand(menu, QStringLiteral("Default input && output folders..."),
                       QStringLiteral("defaultFoldersAction")),
            &QAction::triggered, this, &MainWindow::editDefaultFolders);
    menu->addSeparator();
    connect(addCommand(menu, QStringLiteral("Clean input data"), QStringLiteral("cleanDataAction")),
            &QAction::triggered, this, &MainWindow::cleanInputData);
    connect(addCommand(menu, QStringLiteral("Align input data using tabs"),
                       QStringLiteral("alignDataAction")),
            &QAction::triggered, this, &MainWindow::alignInputData);
    connect(addCommand(menu, QStringLiteral("Remove input data columns..."),
                       QStringLiteral("removeColumnsAction")),
            &QAction::triggered, this, &MainWindow::removeInputDataColumns);
    menu->addSeparator();
    addCommand(menu, QStringLiteral("(Check / uncheck below)"), QStringLiteral("checkCaption"))
        ->setEnabled(false);
    auto addCheck = [menu](const QString& text, const QString& name) {
        QAction* action = addCommand(menu, text, name);
        action->setCheckable(true);
        return action;
    };
    elastic_ = addCheck(QStringLiteral("  Elastic window"), QStringLiteral("elasticAction"));
    horizontalScroll_ = addCheck(QStringLiteral("  Show horizontal scroll bar"),
                                 QStringLiteral("horizontalScrollAction"));
    enableSpacer_ =
        addCheck(QStringLiteral("  Enable spacer"), QStringLiteral("enableSpacerAction"));
    connect(elastic_, &QAction::triggered, scaler_, &ElasticScaler::setEnabled);
    connect(horizontalScroll_, &QAction::triggered, inputGroup_,
            &InputGroup::setHorizontalScrollBar);
    connect(enableSpacer_, &QAction::triggered, inputGroup_, &InputGroup::setSpacerEnabled);
    plausibilityNotes_ =
        addCheck(QStringLiteral("Plausibility notes"), QStringLiteral("plausibilityNotesAction"));
    plausibilityNotes_->setChecked(true);
    connect(plausibilityNotes_, &QAction::triggered, this, &MainWindow::setNotesShown);
}

void MainWindow::buildHelpMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("helpMenu"));
    QAction* instructions =
        addCommand(menu, QStringLiteral("Instructions"), QStringLiteral("instructionsAction"));
    instructions->setShortcut(QKeySequence(Qt::Key_F1));
    connect(instructions, &QAction::triggered, this, [] { HelpWindow::showTopic(help::contents); });
    menu->addSeparator();
    connect(addCommand(menu, QStringLiteral("About Climora"), QStringLiteral("aboutAction")),
            &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::openInputFile() {
    runCommand(messenger_, [this] {
        showOpenedInput(
            climora::openInputFile(fileDialogs_, messenger_, frame_.defaultInputFolder));
    });
}

void MainWindow::openInputFile(const QString& path) {
    runCommand(messenger_, [this, path] {
        showOpenedInput(
            openNamedInputFile(path.toStdString(), messenger_, frame_.defaultInputFolder));
    });
}

void MainWindow::showOpenedInput(const std::optional<OpenedInput>& opened) {
    if (!opened)
        return;
    setInputName(opened->name);
    // A file that cannot be read leaves the panel empty.
    inputGroup_->setPanelLines(opened->lines ? *opened->lines : std::vector<std::string>{});
    if (opened->lines)
        outputGroup_->clearOutput();
}

void MainWindow::saveInputFile() {
    runCommand(messenger_, [this] {
        climora::saveInputFile(inputGroup_->panelLines(), fileDialogs_, frame_.defaultInputFolder);
    });
}

ToolContext MainWindow::toolContext() {
    return ToolContext{
        *frame_.workFolder, messenger_, taskGroup_->gauge(),
        [this](std::vector<std::string>&& lines) { inputGroup_->setPanelLines(lines); }};
}

void MainWindow::cleanInputData() {
    std::vector<std::string> lines = inputGroup_->panelLines();
    ToolContext context = toolContext();
    QtCleanDataExplanation explanation(this);
    climora::cleanInputData({lines, nameBox_->text().toStdString(), rowsText()}, context,
                            explanation);
}

void MainWindow::alignInputData() {
    std::vector<std::string> lines = inputGroup_->panelLines();
    ToolContext context = toolContext();
    climora::alignInputData({lines, nameBox_->text().toStdString(), rowsText()}, context);
}

void MainWindow::removeInputDataColumns() {
    if (!removeColumnsAllowed(rowsText(), messenger_))
        return;
    auto* dialog = new RemoveColumnsDialog(
        [this](const ColumnMarks& marks) {
            std::vector<std::string> lines = inputGroup_->panelLines();
            ToolContext context = toolContext();
            return removeColumns({lines, nameBox_->text().toStdString(), rowsText()}, marks,
                                 context);
        },
        this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::suggestColumns() {
    std::vector<std::string> lines = inputGroup_->panelLines();
    bool empty = std::all_of(lines.begin(), lines.end(),
                             [](const std::string& line) { return trimBlanks(line).empty(); });
    if (nameBox_->text().isEmpty() || empty) {
        messenger_.reportError(openFileFirst);
        return;
    }
    ColumnSuggestion suggestion = climora::suggestColumns(lines);
    if (suggestion.rows)
        inputGroup_->rowsBox()->setText(QString::number(*suggestion.rows));
    inputGroup_->slotsWidget()->setColumnSlots(slotsOf(suggestion));
    templateBox_->selectPosition(-1); // the slots no longer show a template
    showSuggestionNotes(suggestion.notes);
}

void MainWindow::editDefaultFolders() {
    auto* dialog = new DefaultFoldersDialog(*frame_.workFolder, frame_.defaultInputFolder,
                                            frame_.defaultOutputFolder, messenger_, this);
    connect(dialog, &DefaultFoldersDialog::helpRequested, this,
            [this](int topic) { openHelp(*frame_.workFolder, topic); });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

template <typename Command> void MainWindow::changeColumnSettings(Command&& command) {
    std::string rows = rowsText();
    ColumnSlots columnSlots = inputGroup_->slotsWidget()->columnSlots();
    runCommand(messenger_, [&] { command(rows, columnSlots); });
    inputGroup_->rowsBox()->setText(QString::fromStdString(rows));
    inputGroup_->slotsWidget()->setColumnSlots(columnSlots);
}

void MainWindow::applySelectedTemplate() {
    changeColumnSettings([this](std::string& rows, ColumnSlots& columnSlots) {
        climora::applySelectedTemplate(*templates_, *templateBox_, rows, columnSlots, messenger_);
    });
}

void MainWindow::retrieveLastSessionTemplate() {
    changeColumnSettings([this](std::string& rows, ColumnSlots& columnSlots) {
        climora::retrieveLastSessionTemplate(*templates_, *templateBox_, rows, columnSlots,
                                             messenger_);
    });
}

void MainWindow::saveCurrentDataTemplate() {
    runCommand(messenger_, [this] {
        climora::saveCurrentDataTemplate(
            this, *templates_, messenger_, *templateBox_,
            templateFromSlots(rowsText(), inputGroup_->slotsWidget()->columnSlots()));
    });
}

void MainWindow::manageTemplateList() {
    runCommand(messenger_, [this] {
        climora::manageTemplateList(this, *templates_, messenger_, *templateBox_);
    });
}

void MainWindow::openExplorer() {
    ExplorerWindow::open(*this);
}

void MainWindow::showAbout() {
    AboutDialog::showOver(this);
}

} // namespace climora
