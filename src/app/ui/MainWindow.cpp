#include "app/ui/MainWindow.h"

#include "app/ui/ElasticScaler.h"
#include "base/Command.h"
#include "explorer/ui/ExplorerWindow.h"
#include "help/HelpTopics.h"
#include "help/ui/HelpWindow.h"
#include "input/Task.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "input/ui/InputNameBox.h"
#include "input/ui/RowsBox.h"
#include "methods/ui/Task4Page.h"
#include "methods/ui/Task5Page.h"
#include "methods/ui/Task6Page.h"
#include "methods/ui/Task7Page.h"
#include "notes/NumberPlace.h"
#include "notes/ui/NotesStrip.h"
#include "output/ui/OutputGroup.h"
#include "pipeline/ui/MissingValueGroup.h"
#include "pipeline/ui/TaskGroup.h"
#include "templates/DataTemplate.h"
#include "templates/TemplateStore.h"
#include "templates/ui/TemplateComboBox.h"
#include "templates/ui/TemplateCommands.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace climora {

MainWindow::MainWindow(const std::filesystem::path& installFolder, Messenger& messenger,
                       FileDialogs& fileDialogs, DesktopOpener& desktopOpener, QWidget* parent)
    : QMainWindow(parent), messenger_(messenger), fileDialogs_(fileDialogs),
      desktopOpener_(desktopOpener) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Climora"));
    buildWidgets();
    buildMenus();
    StartedFrame started = startUp(installFolder, messenger_);
    frame_ = std::move(started.frame);
    loadProgramSettings();
    templates_ = std::make_unique<TemplateStore>(*frame_.workFolder);
    fillTemplateDropDown(*templates_, *templateBox_, messenger_);
    connectGroups();
    bindHelpTopics();
    applyStartupOptions(started.options, started.optionsRestored);
    resize(1280, 800);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWidgets() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);

    openButton_ = new QPushButton(QStringLiteral("Step 1: Open input file..."), central);
    openButton_->setObjectName(QStringLiteral("openInputButton"));
    nameBox_ = new InputNameBox(central);
    explorerButton_ = new QPushButton(QStringLiteral("Climora Explorer"), central);
    explorerButton_->setObjectName(QStringLiteral("explorerButton"));
    explorerButton_->setToolTip(
        QStringLiteral("Open Internet Weather  Explorer to download weather data"));
    auto* topRow = new QHBoxLayout;
    topRow->addWidget(openButton_);
    topRow->addWidget(nameBox_);
    topRow->addStretch();
    topRow->addWidget(explorerButton_);

    inputGroup_ = new InputGroup(central);
    templateBox_ = new TemplateComboBox(central);
    auto* templateLabel = new QLabel(QStringLiteral("Data template"), central);
    templateLabel->setObjectName(QStringLiteral("templateLabel"));
    templateLabel->setBuddy(templateBox_);
    inputGroup_->addTemplateBox(templateLabel, templateBox_);

    missingGroup_ = new MissingValueGroup(messenger_, central);
    taskGroup_ = new TaskGroup(central);
    taskGroup_->setEstimationPage(task::solarFromTemperature, new Task4Page);
    taskGroup_->setEstimationPage(task::solarFromSunshine, new Task5Page);
    taskGroup_->setEstimationPage(task::etFromPan, new Task6Page);
    taskGroup_->setEstimationPage(task::etPenmanMonteith, new Task7Page);
    missingGroup_->setMaximumWidth(360);
    taskGroup_->setMaximumWidth(360);
    auto* side = new QVBoxLayout;
    side->setContentsMargins(0, 0, 0, 0);
    side->addWidget(missingGroup_);
    side->addWidget(taskGroup_, 1);

    auto* upper = new QWidget(central);
    auto* upperLayout = new QHBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addWidget(inputGroup_, 1);
    upperLayout->addLayout(side);

    auto* lower = new QWidget(central);
    outputGroup_ = new OutputGroup(frame_, messenger_, fileDialogs_, desktopOpener_, lower);
    notesStrip_ = new NotesStrip(lower);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->setSpacing(2);
    lowerLayout->addWidget(outputGroup_, 1);
    lowerLayout->addWidget(notesStrip_);
    auto* splitter = new QSplitter(Qt::Vertical, central);
    splitter->setObjectName(QStringLiteral("panelSplitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(upper);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(topRow);
    layout->addWidget(splitter, 1);

    scaler_ = new ElasticScaler(this, central);
}

void MainWindow::connectGroups() {
    connect(openButton_, &QPushButton::clicked, this, qOverload<>(&MainWindow::openInputFile));
    // Queued: the drag source waits until the drop returns, so the file opens
    // (and any message box shows) after it.
    connect(inputGroup_, &InputGroup::fileDropped, this,
            qOverload<const QString&>(&MainWindow::openInputFile), Qt::QueuedConnection);
    connect(explorerButton_, &QPushButton::clicked, this, &MainWindow::openExplorer);
    connect(scaler_, &ElasticScaler::scaleChanged, inputGroup_->slotsWidget(),
            &ColumnSlotsWidget::setScale);
    connect(inputGroup_, &InputGroup::resetPressed, this, [this] {
        templateBox_->selectPosition(-1);
        if (stripShowsSuggestion_)
            notesStrip_->clearNotes();
    });
    connect(inputGroup_, &InputGroup::suggestPressed, this, &MainWindow::suggestColumns);
    connect(templateBox_, &TemplateComboBox::templateChosen, this,
            &MainWindow::applySelectedTemplate);
    connect(taskGroup_, &TaskGroup::processClicked, this, &MainWindow::process);
    connect(taskGroup_, &TaskGroup::helpRequested, this,
            [this](int topic) { openHelp(*frame_.workFolder, topic); });
    outputGroup_->setInputNameSource([this] { return nameBox_->text().toStdString(); });
    connect(outputGroup_, &OutputGroup::loadBackRequested, this,
            [this](const QString& name, const QStringList& lines) {
                nameBox_->setName(name);
                layOutInputName();
                inputGroup_->setPanelText(lines.join(QLatin1Char('\n')));
            });
    connect(outputGroup_, &OutputGroup::chartRequested, this, &MainWindow::chartOutput);
    connect(outputGroup_, &OutputGroup::numberUnreadable, this,
            [this](const NumberPlace& place) { showNotes({locationNote(place)}); });
    connect(inputGroup_, &InputGroup::chartRequested, this, &MainWindow::chartInput);
    connect(outputGroup_, &OutputGroup::updateRequested, this,
            [this] { outputGroup_->updateWeatherFile(taskGroup_->task()); });
}

void MainWindow::bindHelpTopics() {
    bindHelpTopic(inputGroup_->panel(), help::inputPanel);
    bindHelpTopic(inputGroup_->rowsBox(), help::rowsBeforeData);
    if (auto* list = taskGroup_->findChild<QComboBox*>(QStringLiteral("taskList")))
        bindHelpTopic(list, help::taskList);
    installContextHelp(this, *frame_.workFolder, QKeySequence(Qt::SHIFT | Qt::Key_F1));
}

void MainWindow::applyStartupOptions(const Options& options, bool restored) {
    elastic_->setChecked(options.elasticWindow);
    horizontalScroll_->setChecked(options.horizontalScrollBar);
    enableSpacer_->setChecked(options.enableSpacer);
    missingGroup_->setSettings(
        {options.substitutionEnabled, options.missingSign, options.substitution});
    // The stored choices take effect at once, so menu and window agree.
    scaler_->setEnabled(options.elasticWindow);
    inputGroup_->setHorizontalScrollBar(options.horizontalScrollBar);
    if (restored)
        inputGroup_->setSpacerEnabled(options.enableSpacer);
}

Options MainWindow::currentOptions() const {
    Options options;
    options.inputFolder = frame_.defaultInputFolder;
    options.outputFolder = frame_.defaultOutputFolder;
    options.elasticWindow = elastic_->isChecked();
    options.horizontalScrollBar = horizontalScroll_->isChecked();
    options.enableSpacer = enableSpacer_->isChecked();
    MissingValueSettings missing = missingGroup_->settings();
    options.substitutionEnabled = missing.enabled;
    options.missingSign = missing.sign;
    options.substitution = missing.substitution;
    return options;
}

std::string MainWindow::rowsText() const {
    return inputGroup_->rowsBox()->text().toStdString();
}

// The name box may grow into the room between the two buttons.
void MainWindow::layOutInputName() {
    int room = inputGroup_->width() - openButton_->width() - explorerButton_->width();
    nameBox_->setAvailableWidth(std::max(0, room));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layOutInputName();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    shutDown();
    event->accept();
}

// Temporaries, the option file, then the last session template.
void MainWindow::shutDown() {
    if (shutDown_)
        return;
    shutDown_ = true;
    ExplorerWindow::closeCurrent();
    HelpWindow::closeCurrent();
    closeChartWindows();
    runCommand(messenger_, [this] { climora::shutDown(frame_, currentOptions()); });
    runCommand(messenger_, [this] {
        templates_->saveTheTemplate(
            templateFromSlots(rowsText(), inputGroup_->slotsWidget()->columnSlots()));
    });
}

} // namespace climora
