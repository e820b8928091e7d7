#pragma once

#include <QString>
#include <QWidget>

namespace climora::testing {

// Saves a picture of the widget when CLIMORA_SHOTS_DIR names a folder, so a
// developer can look at what a test built.
inline void saveScreenshot(QWidget* widget, const QString& name) {
    QString folder = qEnvironmentVariable("CLIMORA_SHOTS_DIR");
    if (!folder.isEmpty())
        widget->grab().save(folder + "/" + name + ".png");
}

} // namespace climora::testing
