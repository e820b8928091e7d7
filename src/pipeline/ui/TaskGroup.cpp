#include "pipeline/ui/TaskGroup.h"

#include "input/Task.h"
#include "pipeline/ui/ActivityGaugeWidget.h"
#include "pipeline/ui/EstimationPage.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTimer>
#include <QVBoxLayout>

namespace climora {
namespace {

const QString processCaption = QStringLiteral("Step 4: Process");

// Through the palette, not a style sheet: a style sheet would pin the
// button's font, and the elastic window rescales it with the others.
void setCaptionColour(QPushButton* button, Qt::GlobalColor colour) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, colour);
    button->setPalette(palette);
}

QWidget* textPage(const QString& name, const QStringList& lines) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    for (const QString& line : lines) {
        auto* label = new QLabel(line);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addStretch();
    return page;
}

QWidget* agroviaPage(const QString& name) {
    return textPage(
        name, {QStringLiteral("Agrovia requires daily weather data of:"),
               QStringLiteral("Solar radiation"), QStringLiteral("Maximum temperature (T-max)"),
               QStringLiteral("Minimum temperature (T-min)"),
               QStringLiteral("Relative humidity of the air"), QStringLiteral("Precipitation"),
               QStringLiteral("Reference evaportranspiration (ET)")});
}

const char* pageNames[] = {"task1", "Task2", "task3", "task4", "Task5", "task6", "task7"};

// One page per task in a container without tab headers.
QStackedWidget* taskPages() {
    auto* pages = new QStackedWidget;
    pages->setObjectName(QStringLiteral("taskPages"));
    pages->setAccessibleName(QStringLiteral("Task settings"));
    pages->addWidget(agroviaPage(QString::fromLatin1(pageNames[0])));
    pages->addWidget(agroviaPage(QString::fromLatin1(pageNames[1])));
    pages->addWidget(textPage(
        QString::fromLatin1(pageNames[2]),
        {QStringLiteral("Check for erroneous data entries, including missing data"),
         QStringLiteral(
             "When needed, the input data in the input data panel can be edited directly.")}));
    for (int task = task::solarFromTemperature; task <= task::last; ++task)
        pages->addWidget(textPage(QString::fromLatin1(pageNames[task - 1]), {}));
    return pages;
}

} // namespace

const QStringList& taskItems() {
    static const QStringList items{
        QStringLiteral("1, Convert to Agrovia/Glebora format"),
        QStringLiteral("2, Add new data to existing Agrovia/Glebora weather file"),
        QStringLiteral("3, Check for erroneous data entries"),
        QStringLiteral("4, Estimate solar radiation from temperature"),
        QStringLiteral("5, Estimate solar radiation from sunshine hours or percentage"),
        QStringLiteral("6, Estimate reference ET from pan evaporation"),
        QStringLiteral("7, Estimate alfalfa-referenced ETr usingFAO Penman-Monteith method")};
    return items;
}

TaskList::TaskList(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentTextChanged, this, &QWidget::setToolTip);
}

QSize TaskList::sizeHint() const {
    return QComboBox::sizeHint() + QSize(0, fontMetrics().lineSpacing());
}

QSize TaskList::minimumSizeHint() const {
    return QComboBox::minimumSizeHint() + QSize(0, fontMetrics().lineSpacing());
}

void TaskList::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QString text = option.currentText;
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option); // the frame's inside, no text
    QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    style()->drawItemText(&painter, field.adjusted(1, 0, -1, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, option.palette,
                          isEnabled(), text, QPalette::ButtonText);
}

void TaskList::hidePopup() {
    QComboBox::hidePopup();
    emit listClosed();
}

TaskGroup::TaskGroup(QWidget* parent) : QGroupBox(QStringLiteral("Step 3: Select task"), parent) {
    setObjectName(QStringLiteral("taskGroup"));
    setAccessibleName(title());

    taskList_ = new TaskList;
    taskList_->setObjectName(QStringLiteral("taskList"));
    taskList_->setAccessibleName(QStringLiteral("Task"));
    taskList_->addItems(taskItems());
    // The long items are read in the open list; the closed box stays narrow.
    taskList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    taskList_->setMinimumContentsLength(24);
    taskList_->view()->setMinimumWidth(taskList_->view()->sizeHintForColumn(0) + 24);

    pages_ = taskPages();

    convert_ = new QCheckBox(QStringLiteral("Convert and rearrange for Agrovia use"));
    convert_->setObjectName(QStringLiteral("convertBox"));
    convert_->setAccessibleName(convert_->text());
    convert_->setEnabled(false);
    convert_->setChecked(false);

    process_ = new QPushButton(processCaption);
    process_->setObjectName(QStringLiteral("processButton"));
    process_->setAccessibleName(processCaption);
    setCaptionColour(process_, Qt::blue);
    gauge_ = new ActivityGaugeWidget;

    auto* run = new QHBoxLayout;
    run->addWidget(process_);
    run->addWidget(gauge_);
    run->addStretch();
    // The pages' own margins part them from the list and the check box; the
    // room saved pays for the list's second line on a small screen.
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(taskList_);
    layout->addWidget(pages_, 1);
    layout->addWidget(convert_);
    layout->addSpacing(4);
    layout->addLayout(run);

    taskList_->setCurrentIndex(0);
    pages_->setCurrentIndex(0);
    connect(taskList_, &QComboBox::currentIndexChanged, this, &TaskGroup::taskChosen);
    connect(taskList_, &TaskList::listClosed, this, &TaskGroup::taskChosen);
    connect(process_, &QPushButton::clicked, this, &TaskGroup::processClicked);
}

int TaskGroup::task() const {
    return taskList_->currentIndex() + 1;
}

void TaskGroup::selectTask(int task) {
    taskList_->setCurrentIndex(task - 1);
}

bool TaskGroup::convertEnabled() const {
    return convert_->isEnabled();
}

bool TaskGroup::convertChecked() const {
    return convert_->isChecked();
}

// Page texts wrap, so the group keeps to the width of its controls.
void TaskGroup::wrapTexts(QWidget* page) {
    for (QLabel* label : page->findChildren<QLabel*>())
        label->setWordWrap(true);
}

void TaskGroup::setPageWidget(int task, QWidget* page) {
    if (!taskTraits(task).estimates || !page)
        return;
    QWidget* old = pages_->widget(task - 1);
    bool current = pages_->currentIndex() == task - 1;
    if (page->objectName().isEmpty())
        page->setObjectName(QString::fromLatin1(pageNames[task - 1]));
    wrapTexts(page);
    pages_->insertWidget(task - 1, page);
    pages_->removeWidget(old);
    old->deleteLater();
    if (current)
        pages_->setCurrentIndex(task - 1);
}

void TaskGroup::setEstimationPage(int task, EstimationPage* page) {
    if (!taskTraits(task).estimates || !page)
        return;
    setPageWidget(task, page);
    estimationPages_.push_back(page);
    connect(page, &EstimationPage::helpRequested, this, &TaskGroup::helpRequested);
}

void TaskGroup::readEstimationSettings(EstimationSettings& settings) const {
    for (const EstimationPage* page : estimationPages_)
        page->readInto(settings);
}

QWidget* TaskGroup::page(int task) const {
    return pages_->widget(task - 1);
}

void TaskGroup::taskChosen() {
    int chosen = task();
    if (!taskTraits(chosen).exists)
        return;
    pages_->setCurrentIndex(chosen - 1);
    bool optional = taskTraits(chosen).convertOptional;
    convert_->setEnabled(optional);
    convert_->setChecked(optional);
}

void TaskGroup::showDone() {
    process_->setText(QStringLiteral("It is Done"));
    setCaptionColour(process_, Qt::red);
    QTimer::singleShot(doneDuration_, process_, [button = process_] {
        button->setText(processCaption);
        setCaptionColour(button, Qt::blue);
    });
}

} // namespace climora
