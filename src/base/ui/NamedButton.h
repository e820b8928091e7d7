#pragma once

#include <QPushButton>
#include <QString>

namespace climora {

// A push button that tests find by its object name and screen readers by
// its accessible name: the caption without a mnemonic marker unless given.
inline QPushButton* namedButton(const QString& caption, const QString& objectName, QWidget* parent,
                                const QString& accessibleName = {}) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(accessibleName.isEmpty() ? QString(caption).remove('&')
                                                       : accessibleName);
    return button;
}

} // namespace climora
