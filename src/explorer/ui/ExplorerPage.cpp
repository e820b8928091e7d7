#include "explorer/ui/ExplorerPage.h"

namespace climora {

bool ExplorerPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (isMainFrame)
        emit navigationAnnounced(url);
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

} // namespace climora
