#pragma once

#include "explorer/ExplorerFiles.h"
#include "explorer/ExplorerHost.h"
#include "explorer/Favorites.h"
#include "explorer/Navigation.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMovie;
class QToolButton;
class QWebEngineProfile;
class QWebEngineView;

namespace climora {

class AddressBox;
class ExplorerPage;
class WebArchiveSaves;
struct CapturedPage;

// Climora Explorer: a small browser whose page text is captured into the
// main window's input panel. The web engine starts with the first window.
class ExplorerWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Opens the explorer for `host`, or brings the open one to the front.
    // The host must outlive the window (close it before the host goes).
    static ExplorerWindow* open(ExplorerHost& host);
    // The open explorer, if any.
    static ExplorerWindow* current();
    // Closes the open explorer at once: for the main window's closing, since
    // the explorer must not outlive its host.
    static void closeCurrent();

    explicit ExplorerWindow(ExplorerHost& host, QWidget* parent = nullptr);
    ~ExplorerWindow() override;

    const ExplorerNavigation& navigation() const { return navigation_; }
    const std::vector<std::string>& linkAddressList() const { return links_; }
    QString addressText() const;
    void setAddressText(const QString& text);
    QWebEngineView* view() const { return view_; }
    bool busy() const { return busy_; }
    // The document's own title: empty for a page without one.
    const QString& documentTitle() const { return documentTitle_; }

  public slots:
    // Every navigation the program starts: to the address box's text.
    void navigate();
    void goBack();
    void goForward();
    void stopLoading();
    void refresh();
    void followLink(int button); // 1 to 6
    void capture();
    void saveAsText();
    void saveWebArchive();
    void openPageFile();
    void openFavorite(int number); // from 1
    void addFavorite();
    void manageFavorites();
    void setHomePage();
    void showHelp();

  signals:
    // The page was written by "Save complete webpage"; false when it failed.
    void webArchiveSaved(bool written);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* buildBands();
    QWidget* buildToolBand();
    QWidget* buildAddressBand();
    QWidget* buildLinksBand();
    void buildMenus();
    void buildFavoritesMenu();
    void loadHomeAndHotLinks();
    void showHomePage(const HomePage& home);
    void onNavigationAnnounced(const QUrl& url);
    void onEnterInAddressBox();
    void onLoadStarted();
    void onLoadFinished();
    void updateBackForward();
    void placeBusyPicture();
    void showIdlePicture();
    void setCaptureEnabled(bool enabled);
    // Reads the page's title and body text; the answer arrives later, none
    // when the browser could not give it.
    void readPage(std::function<void(const std::optional<CapturedPage>&)> done);
    void readTitle(std::function<void(const QString&)> done);
    void readDocumentTitle();
    void fillWithTitle(QLineEdit* nameBox);
    bool guarded(const std::function<void()>& command);

    ExplorerHost& host_;
    FavoriteStore favorites_;
    ExplorerNavigation navigation_;
    std::vector<std::string> links_;
    bool busy_ = false;
    QString documentTitle_;

    QWebEngineProfile* profile_ = nullptr;
    ExplorerPage* page_ = nullptr;
    WebArchiveSaves* webArchives_ = nullptr;
    QWebEngineView* view_ = nullptr;
    AddressBox* addressBox_ = nullptr;
    QWidget* bands_ = nullptr;
    QLabel* busyPicture_ = nullptr;
    QMovie* busyMovie_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    std::array<QToolButton*, 6> linkButtons_{};
    QAction* backAction_ = nullptr;
    QAction* forwardAction_ = nullptr;
    QAction* stopAction_ = nullptr;
    QAction* captureButtonAction_ = nullptr;
    QAction* captureMenuAction_ = nullptr;
    QMenu* favoritesMenu_ = nullptr;
};

// The position chosen last in "Manage favorites", kept for the whole run.
int& rememberedFavoritePosition();

} // namespace climora
