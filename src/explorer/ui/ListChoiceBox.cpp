#include "explorer/ui/ListChoiceBox.h"

namespace climora {

ListChoiceBox::ListChoiceBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!listClosing_)
            return;
        listClosing_ = false;
        emit chosenFromList(index);
    });
}

// The list closes first; the choice, if any, is applied and activated
// afterwards within the same event.
void ListChoiceBox::hidePopup() {
    QComboBox::hidePopup();
    listClosing_ = true;
    QMetaObject::invokeMethod(
        this, [this] { listClosing_ = false; }, Qt::QueuedConnection);
}

} // namespace climora
