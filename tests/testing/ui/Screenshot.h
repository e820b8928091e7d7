#pragma once

#include <QCoreApplication>
#include <QString>
#include <QWidget>

namespace climora::testing {

// Saves a picture of the widget when CLIMORA_SHOTS_DIR names a folder, so a
// developer can look at what a test built.
inline void saveScreenshot(QWidget* widget, const QString& name) {
    QString folder = qEnvironmentVariable("CLIMORA_SHOTS_DIR");
    if (folder.isEmpty())
        return;
    QCoreApplication::processEvents(); // let pending layouts settle first
    widget->grab().save(folder + "/" + name + ".png");
}

} // namespace climora::testing
