#pragma once

#include <QWebEnginePage>

namespace climora {

// The explorer's page: announces every navigation of the main frame before
// it starts. Embedded frames are not announced: their addresses would
// otherwise enter the Back/Forward history as if they were pages.
class ExplorerPage : public QWebEnginePage {
    Q_OBJECT
  public:
    using QWebEnginePage::QWebEnginePage;

  signals:
    void navigationAnnounced(const QUrl& url);

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};

} // namespace climora
