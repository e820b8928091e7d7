#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <gtest/gtest.h>

namespace climora::testing {

// Where the closed box draws its text, in its own coordinates.
inline QRect textField(QComboBox* box) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.currentText = box->currentText();
    return box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                        box);
}

// The closed box shows its current text whole (on one line, or wrapped
// where `textFlags` allow it) and names it in its tooltip.
inline void expectWholeText(QComboBox* box, int textFlags = Qt::TextSingleLine) {
    QRect room = textField(box).adjusted(1, 0, -1, 0); // text stands a pixel in from each side
    QRect needed =
        box->fontMetrics().boundingRect(room, textFlags | Qt::AlignVCenter, box->currentText());
    std::string text = box->currentText().toStdString();
    EXPECT_TRUE(room.contains(needed))
        << text << ": needs " << needed.width() << "x" << needed.height() << ", has "
        << room.width() << "x" << room.height();
    EXPECT_EQ(box->toolTip().toStdString(), text);
}

// The open list is wide enough for its longest item.
inline void expectWideEnoughList(QComboBox* box) {
    box->showPopup();
    QAbstractItemView* list = box->view();
    EXPECT_LE(list->sizeHintForColumn(0), list->viewport()->width())
        << box->objectName().toStdString();
    box->hidePopup();
}

} // namespace climora::testing
