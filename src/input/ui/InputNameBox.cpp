#include "input/ui/InputNameBox.h"

namespace climora {

InputNameBox::InputNameBox(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("inputName"));
    setAccessibleName(QStringLiteral("Input name"));
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setFileNameBoxProperty();
}

void InputNameBox::setName(const QString& name) {
    setText(name);
    setFileNameBoxProperty();
}

void InputNameBox::setAvailableWidth(int width) {
    availableWidth_ = width;
    setFileNameBoxProperty();
}

void InputNameBox::setFileNameBoxProperty() {
    if (text().isEmpty()) {
        setFrame(false);
        setFixedWidth(0);
        return;
    }
    setFrame(true);
    int pointSize = font().pointSize() > 0 ? font().pointSize() : 9;
    int wanted = static_cast<int>(text().size()) * pointSize;
    setFixedWidth(std::max(0, std::min(wanted, availableWidth_)));
}

} // namespace climora
