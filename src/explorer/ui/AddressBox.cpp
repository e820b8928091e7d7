#include "explorer/ui/AddressBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace climora {

AddressBox::AddressBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!popupShown_)
            return;
        popupShown_ = false;
        emit itemChosen(itemText(index));
    });
}

void AddressBox::showItems(const std::vector<std::string>& items, const QString& text) {
    QSignalBlocker block(this);
    clear();
    for (const std::string& item : items)
        addItem(QString::fromStdString(item));
    setCurrentIndex(-1);
    setEditText(text);
}

void AddressBox::showPopup() {
    popupShown_ = true;
    QComboBox::showPopup();
}

bool AddressBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            popupShown_ = false;
            emit enterPressed();
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace climora
