#include "app/ui/MainWindow.h"

#include "app/Command.h"
#include "app/ui/ElasticScaler.h"
#include "input/InputFile.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/InputGroup.h"
#include "input/ui/InputNameBox.h"
#include "input/ui/RowsBox.h"
#include "pipeline/ui/MissingValueGroup.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace climora {

MainWindow::MainWindow(const std::filesystem::path& installFolder, Messenger& messenger,
                       FileDialogs& fileDialogs, QWidget* parent)
    : QMainWindow(parent), messenger_(messenger), fileDialogs_(fileDialogs) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Climora"));
    buildWidgets();
    buildMenus();
    frame_ = startUp(installFolder, messenger_);
    applyStartupOptions();
    resize(1280, 800);
}

void MainWindow::buildWidgets() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);

    openButton_ = new QPushButton(QStringLiteral("Step 1: Open input file..."), central);
    openButton_->setObjectName(QStringLiteral("openInputButton"));
    openButton_->setAccessibleName(QStringLiteral("Step 1: Open input file..."));
    nameBox_ = new InputNameBox(central);
    connect(openButton_, &QPushButton::clicked, this, &MainWindow::openInputFile);

    auto* topRow = new QHBoxLayout;
    topRow->addWidget(openButton_);
    topRow->addWidget(nameBox_);
    topRow->addStretch();

    inputGroup_ = new InputGroup(central);
    missingGroup_ = new MissingValueGroup(messenger_, central);

    auto* side = new QVBoxLayout;
    side->addWidget(missingGroup_);
    side->addStretch();

    auto* middle = new QHBoxLayout;
    middle->addWidget(inputGroup_, 1);
    middle->addLayout(side);

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(topRow);
    layout->addLayout(middle, 1);

    scaler_ = new ElasticScaler(this, central);
    connect(scaler_, &ElasticScaler::scaleChanged, inputGroup_->slotsWidget(),
            &ColumnSlotsWidget::setScale);
}

void MainWindow::buildMenus() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->setObjectName(QStringLiteral("fileMenu"));
    QAction* save = fileMenu_->addAction(QStringLiteral("Save input file..."), this,
                                         &MainWindow::saveInputFile);
    save->setObjectName(QStringLiteral("saveInputAction"));
    fileMenu_->addSeparator();
    QAction* exit = fileMenu_->addAction(QStringLiteral("Exit"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("exitAction"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    controlMenu_ = menuBar()->addMenu(QStringLiteral("&Control"));
    controlMenu_->setObjectName(QStringLiteral("controlMenu"));
    QAction* caption = controlMenu_->addAction(QStringLiteral("(Check / uncheck below)"));
    caption->setObjectName(QStringLiteral("checkCaption"));
    caption->setEnabled(false);
    auto addCheck = [this](const QString& text, const QString& name) {
        QAction* action = controlMenu_->addAction(text);
        action->setObjectName(name);
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

    helpMenu_ = menuBar()->addMenu(QStringLiteral("&Help"));
    helpMenu_->setObjectName(QStringLiteral("helpMenu"));
}

void MainWindow::applyStartupOptions() {
    const Options& options = frame_.options;
    elastic_->setChecked(options.elasticWindow);
    horizontalScroll_->setChecked(options.horizontalScrollBar);
    enableSpacer_->setChecked(options.enableSpacer);
    missingGroup_->setSettings(
        {options.substitutionEnabled, options.missingSign, options.substitution});
    // The stored choices take effect at once, so menu and window agree.
    scaler_->setEnabled(options.elasticWindow);
    inputGroup_->setHorizontalScrollBar(options.horizontalScrollBar);
    if (frame_.optionsRestored)
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

void MainWindow::openInputFile() {
    runCommand(messenger_, [this] {
        auto opened = climora::openInputFile(fileDialogs_, messenger_, frame_.defaultInputFolder);
        if (!opened)
            return;
        inputGroup_->panel()->clear();
        nameBox_->setName(QString::fromStdString(opened->name));
        layOutInputName();
        if (opened->lines)
            inputGroup_->setPanelLines(*opened->lines);
    });
}

void MainWindow::saveInputFile() {
    runCommand(messenger_, [this] {
        climora::saveInputFile(inputGroup_->panelLines(), fileDialogs_, frame_.defaultInputFolder);
    });
}

void MainWindow::layOutInputName() {
    int room = inputGroup_->width() - openButton_->width();
    nameBox_->setAvailableWidth(std::max(0, room));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layOutInputName();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!shutDown_) {
        shutDown_ = true;
        runCommand(messenger_, [this] { shutDown(frame_, currentOptions()); });
    }
    event->accept();
}

} // namespace climora
