#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace climora {

// Places a window in the middle of the screen's free area.
inline void centreOnScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace climora
