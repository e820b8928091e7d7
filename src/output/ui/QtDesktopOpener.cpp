#include "output/ui/QtDesktopOpener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace climora {

bool QtDesktopOpener::open(const std::filesystem::path& document) {
    return QDesktopServices::openUrl(
        QUrl::fromLocalFile(QString::fromStdString(document.string())));
}

} // namespace climora
