#include "templates/ui/TemplateManagerDialog.h"

#include "templates/ui/CentreOnScreen.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace climora {
namespace {

constexpr int dialogWidth = 380;
constexpr int groupSpacing = 6;

QPushButton* makeButton(const char* text, const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromUtf8(objectName));
    button->setAccessibleName(button->text());
    button->setAutoDefault(false); // Enter is handled by the new-name box only
    return button;
}

} // namespace

TemplateManagerDialog::TemplateManagerDialog(const TemplateStore& store, Messenger& messenger,
                                             QWidget* parent)
    : QDialog(parent), store_(store), messenger_(messenger), names_(store.loadNames()) {
    setObjectName(QStringLiteral("templateManagerDialog"));
    setWindowTitle(QStringLiteral("Template management"));
    setWindowModality(Qt::WindowModal);

    buildUpperGroup();
    buildLowerGroup();
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(groupSpacing);
    layout->addWidget(upperGroup_);
    layout->addWidget(lowerGroup_);

    connect(renameButton_, &QPushButton::clicked, this, &TemplateManagerDialog::startRename);
    connect(deleteButton_, &QPushButton::clicked, this, &TemplateManagerDialog::deleteSelected);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(okButton_, &QPushButton::clicked, this, &TemplateManagerDialog::finishRename);
    connect(newNameBox_, &QLineEdit::returnPressed, this, &TemplateManagerDialog::finishRename);
    connect(cancelButton_, &QPushButton::clicked, this, &TemplateManagerDialog::cancelRename);

    fillList();
    showBrowsing();
}

void TemplateManagerDialog::buildUpperGroup() {
    upperGroup_ = new QWidget(this);
    upperGroup_->setObjectName(QStringLiteral("upperGroup"));
    availableLabel_ = new QLabel(QStringLiteral("Available templates"), upperGroup_);
    availableLabel_->setObjectName(QStringLiteral("availableTemplatesLabel"));
    nameList_ = new QListWidget(upperGroup_);
    nameList_->setObjectName(QStringLiteral("templateList"));
    nameList_->setAccessibleName(availableLabel_->text());
    availableLabel_->setBuddy(nameList_);
    renameButton_ = makeButton("Rename", "renameButton", upperGroup_);
    deleteButton_ = makeButton("Delete", "deleteButton", upperGroup_);
    closeButton_ = makeButton("Close", "closeButton", upperGroup_);
    auto* upper = new QGridLayout(upperGroup_);
    upper->setContentsMargins(0, 0, 0, 0);
    upper->addWidget(availableLabel_, 0, 0);
    upper->addWidget(nameList_, 1, 0, 4, 1);
    upper->addWidget(renameButton_, 1, 1);
    upper->addWidget(deleteButton_, 2, 1);
    upper->setRowStretch(3, 1);
    upper->addWidget(closeButton_, 4, 1);
}

void TemplateManagerDialog::buildLowerGroup() {
    lowerGroup_ = new QWidget(this);
    lowerGroup_->setObjectName(QStringLiteral("lowerGroup"));
    auto* newNameLabel = new QLabel(QStringLiteral("New name"), lowerGroup_);
    newNameLabel->setObjectName(QStringLiteral("newNameLabel"));
    newNameBox_ = new QLineEdit(lowerGroup_);
    newNameBox_->setObjectName(QStringLiteral("newNameBox"));
    newNameLabel->setBuddy(newNameBox_);
    okButton_ = makeButton("OK", "okButton", lowerGroup_);
    cancelButton_ = makeButton("Cancel", "cancelButton", lowerGroup_);
    auto* lowerButtons = new QHBoxLayout;
    lowerButtons->addStretch();
    lowerButtons->addWidget(okButton_);
    lowerButtons->addWidget(cancelButton_);
    auto* lower = new QVBoxLayout(lowerGroup_);
    lower->setContentsMargins(0, 0, 0, 0);
    lower->addWidget(newNameLabel);
    lower->addWidget(newNameBox_);
    lower->addStretch();
    lower->addLayout(lowerButtons);
    lowerGroup_->setFixedHeight(renamingHeight - browsingHeight - groupSpacing);
}

QColor TemplateManagerDialog::greyText() {
    return QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
}

void TemplateManagerDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

void TemplateManagerDialog::keyPressEvent(QKeyEvent* event) {
    // Escape presses "Close", which cannot be pressed while renaming.
    if (renaming_ && event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TemplateManagerDialog::fillList() {
    nameList_->clear();
    for (const std::string& name : names_)
        nameList_->addItem(QString::fromStdString(name));
    nameList_->setCurrentRow(-1);
}

int TemplateManagerDialog::selectedPosition() const {
    QList<QListWidgetItem*> selected = nameList_->selectedItems();
    return selected.isEmpty() ? -1 : nameList_->row(selected.first());
}

void TemplateManagerDialog::showBrowsing() {
    renaming_ = false;
    setFixedSize(dialogWidth, browsingHeight);
    restoreTextColor();
    upperGroup_->setEnabled(true);
    lowerGroup_->setEnabled(false);
    lowerGroup_->hide();
}

void TemplateManagerDialog::setUpperTextsGrey(bool grey) {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             availableLabel_, nameList_, renameButton_, deleteButton_, closeButton_}) {
        QPalette colours; // the normal window-text colours
        if (grey) {
            for (QPalette::ColorRole role :
                 {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
                colours.setColor(role, greyText());
        }
        widget->setPalette(colours);
    }
}

void TemplateManagerDialog::startRename() {
    int position = selectedPosition();
    if (position < 0)
        return;
    renaming_ = true;
    renamePosition_ = position;
    renameName_ = names_[position];
    setFixedSize(dialogWidth, renamingHeight);
    newNameBox_->setText(QString::fromStdString(renameName_));
    upperGroup_->setEnabled(false);
    lowerGroup_->show();
    lowerGroup_->setEnabled(true);
    setUpperTextsGrey(true);
    newNameBox_->setFocus();
    newNameBox_->selectAll();
}

void TemplateManagerDialog::finishRename() {
    if (!renaming_)
        return;
    EditStatus status = renameTemplate(store_, names_, renamePosition_,
                                       newNameBox_->text().toStdString(), messenger_);
    if (status == EditStatus::Refused) {
        newNameBox_->setFocus();
        return;
    }
    if (status == EditStatus::Done)
        fillList();
    showBrowsing();
}

void TemplateManagerDialog::cancelRename() {
    showBrowsing();
}

void TemplateManagerDialog::deleteSelected() {
    int position = selectedPosition();
    if (renaming_ || position < 0)
        return;
    if (deleteTemplate(store_, names_, position, messenger_) == EditStatus::Done)
        fillList();
}

} // namespace climora
