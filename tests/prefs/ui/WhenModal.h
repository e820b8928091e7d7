#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace climora::testing {

// Runs `act` on the modal dialog of class Dialog once it is open (a dialog
// started with exec() blocks the test until `act` closes it).
template <class Dialog> void whenModalOpens(std::function<void(Dialog*)> act, int triesLeft = 200) {
    QTimer::singleShot(5, [act = std::move(act), triesLeft]() mutable {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog)
            act(dialog);
        else if (triesLeft > 0)
            whenModalOpens<Dialog>(std::move(act), triesLeft - 1);
    });
}

} // namespace climora::testing
