#include "app/ui/QtMessenger.h"

#include <QApplication>
#include <QMessageBox>

namespace climora {
namespace {

void showBox(QWidget* parent, QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(icon, QStringLiteral("Climora"), QString::fromStdString(text), QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

} // namespace

void QtMessenger::tone(Tone) {
    QApplication::beep();
}

void QtMessenger::error(const std::string& text) {
    showBox(parent_, QMessageBox::Critical, text);
}

void QtMessenger::warning(const std::string& text) {
    showBox(parent_, QMessageBox::Warning, text);
}

void QtMessenger::information(const std::string& text) {
    showBox(parent_, QMessageBox::Information, text);
}

void QtMessenger::plain(const std::string& text) {
    showBox(parent_, QMessageBox::NoIcon, text);
}

bool QtMessenger::confirm(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Climora"), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setObjectName(QStringLiteral("confirmBox"));
    return box.exec() == QMessageBox::Yes;
}

} // namespace climora
