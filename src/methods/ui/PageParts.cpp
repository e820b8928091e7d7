#include "methods/ui/PageParts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace climora {

void addRequirements(QBoxLayout* layout, const QString& heading, const QStringList& items,
                     const QString& objectPrefix) {
    auto* title = new QLabel(heading);
    title->setObjectName(objectPrefix + "Requires");
    title->setAccessibleName(heading);
    layout->addWidget(title);
    int number = 1;
    for (const QString& item : items) {
        auto* label = new QLabel(item);
        label->setObjectName(objectPrefix + "Requirement" + QString::number(number++));
        label->setAccessibleName(item);
        label->setIndent(20);
        layout->addWidget(label);
    }
}

QRadioButton* makeRadio(const QString& text, const QString& objectName,
                        const QString& accessibleName, QWidget* parent) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(accessibleName);
    return button;
}

LabelledField makeField(const QString& labelText, const QString& objectName, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setAccessibleName(labelText);
    auto* buddy = new QLabel(labelText, parent);
    buddy->setObjectName(objectName + "Label");
    buddy->setAccessibleName(labelText);
    buddy->setBuddy(edit);
    return {buddy, edit};
}

} // namespace climora
