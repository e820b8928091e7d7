#include "explorer/ui/AddressBox.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace climora {

AddressBox::AddressBox(QWidget* parent) : ListChoiceBox(parent) {
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(this, &ListChoiceBox::chosenFromList, this,
            [this](int index) { emit itemChosen(itemText(index)); });
}

void AddressBox::showItems(const std::vector<std::string>& items, const QString& text) {
    QSignalBlocker block(this);
    clear();
    for (const std::string& item : items)
        addItem(QString::fromStdString(item));
    setCurrentIndex(-1);
    setEditText(text);
}

// The box is its line edit's focus proxy: typed keys come here first.
void AddressBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace climora
