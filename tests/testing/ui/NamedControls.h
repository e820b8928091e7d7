#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QWidget>

#include <gtest/gtest.h>

namespace climora::testing {

// Every control of the window (boxes, buttons, lists, texts) can be found by
// its object name and has a name a screen reader speaks: its accessible name,
// its caption or the label it is the buddy of. Gives how many were checked.
inline int expectNamedControls(QWidget& window) {
    int checked = 0;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        bool control = qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
                       qobject_cast<QAbstractButton*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                       qobject_cast<QAbstractItemView*>(w);
        QWidget* parent = w->parentWidget();
        if (!control || w->objectName().startsWith("qt_") || qobject_cast<QComboBox*>(parent) ||
            qobject_cast<QSpinBox*>(parent) || qobject_cast<QAbstractItemView*>(parent) ||
            (parent && qobject_cast<QComboBox*>(parent->parentWidget())))
            continue;
        ++checked;
        EXPECT_FALSE(w->objectName().isEmpty()) << w->metaObject()->className();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
        bool spoken = accessible && !accessible->text(QAccessible::Name).isEmpty();
        for (QLabel* label : window.findChildren<QLabel*>())
            spoken = spoken || label->buddy() == w;
        EXPECT_TRUE(spoken) << w->objectName().toStdString();
    }
    return checked;
}

} // namespace climora::testing
