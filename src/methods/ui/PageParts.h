#pragma once

#include <QString>
#include <QStringList>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace climora {

// Small builders shared by the pages of the estimating tasks. Every control
// gets an object name and an accessible name.

// A heading ("This method requires:") and one indented label per item.
void addRequirements(QBoxLayout* layout, const QString& heading, const QStringList& items,
                     const QString& objectPrefix);

QRadioButton* makeRadio(const QString& text, const QString& objectName,
                        const QString& accessibleName, QWidget* parent);

// A line edit and the label that names it (its buddy).
struct LabelledField {
    QLabel* label;
    QLineEdit* edit;
};
LabelledField makeField(const QString& labelText, const QString& objectName, QWidget* parent);

} // namespace climora
