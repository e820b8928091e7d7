#include "templates/ui/SaveTemplateDialog.h"

#include "templates/TemplateNames.h"
#include "templates/ui/CentreOnScreen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace climora {

SaveTemplateDialog::SaveTemplateDialog(const TemplateStore& store, Messenger& messenger,
                                       const std::vector<std::string>& names, DataTemplate current,
                                       QWidget* parent)
    : QDialog(parent), store_(store), messenger_(messenger), current_(std::move(current)) {
    setObjectName(QStringLiteral("saveTemplateDialog"));
    setWindowTitle(QStringLiteral("Save template"));
    setWindowModality(Qt::WindowModal);

    auto* label = new QLabel(QStringLiteral("Save as:"), this);
    label->setObjectName(QStringLiteral("saveAsLabel"));
    nameBox_ = new QLineEdit(this);
    nameBox_->setObjectName(QStringLiteral("templateNameBox"));
    label->setBuddy(nameBox_);
    nameList_ = new QListWidget(this);
    nameList_->setObjectName(QStringLiteral("templateNameList"));
    nameList_->setAccessibleName(QStringLiteral("Existing templates"));
    for (const std::string& name : sortedNames(names))
        nameList_->addItem(QString::fromStdString(name));
    nameList_->setCurrentRow(-1);
    saveButton_ = new QPushButton(QStringLiteral("Save"), this);
    saveButton_->setObjectName(QStringLiteral("saveButton"));
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton* button : {saveButton_, cancelButton_}) {
        button->setAccessibleName(button->text());
        button->setAutoDefault(false); // Enter belongs to the name box
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(nameBox_);
    layout->addWidget(nameList_);
    layout->addLayout(buttons);
    resize(340, 300);

    connect(nameList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            nameBox_->setText(nameList_->item(row)->text());
    });
    connect(nameBox_, &QLineEdit::returnPressed, this, &SaveTemplateDialog::save);
    connect(saveButton_, &QPushButton::clicked, this, &SaveTemplateDialog::save);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    nameBox_->setFocus();
}

void SaveTemplateDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
    nameBox_->setFocus();
}

std::vector<std::string> SaveTemplateDialog::listedNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < nameList_->count(); ++i)
        names.push_back(nameList_->item(i)->text().toStdString());
    return names;
}

void SaveTemplateDialog::save() {
    current_.name = nameBox_->text().toStdString();
    result_ = saveTemplate(store_, listedNames(), current_, messenger_);
    if (result_.status == EditStatus::Done)
        accept();
}

} // namespace climora
