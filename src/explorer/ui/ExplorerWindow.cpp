#include "explorer/ui/ExplorerWindow.h"

#include "explorer/ui/AddressBox.h"
#include "explorer/ui/ExplorerPage.h"
#include "explorer/ui/ExplorerPictures.h"
#include "explorer/ui/WebArchiveSaves.h"
#include "help/HelpTopics.h"
#include "help/ui/HelpWindow.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMovie>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace climora {
namespace {

QPointer<ExplorerWindow>& openExplorer() {
    static QPointer<ExplorerWindow> window;
    return window;
}

// The busy picture's panel stays this far left of the window's right edge.
constexpr int busyPictureOffset = 85;

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// An address text as the browser resolves it: a web address with or
// without its scheme, or a local file name.
QUrl urlOfAddress(const QString& text) {
    QUrl url = QUrl::fromUserInput(text.trimmed(), QString(), QUrl::AssumeLocalFile);
    if ((url.scheme() == "http" || url.scheme() == "https") && url.path().isEmpty())
        url.setPath("/");
    return url;
}

} // namespace

int& rememberedFavoritePosition() {
    static int position = 0;
    return position;
}

ExplorerWindow* ExplorerWindow::open(ExplorerHost& host) {
    QPointer<ExplorerWindow>& window = openExplorer();
    if (!window) {
        window = new ExplorerWindow(host);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

ExplorerWindow* ExplorerWindow::current() {
    return openExplorer();
}

void ExplorerWindow::closeCurrent() {
    delete openExplorer().data();
}

ExplorerWindow::ExplorerWindow(ExplorerHost& host, QWidget* parent)
    : QMainWindow(parent), host_(host), favorites_(host.workFolder()) {
    setObjectName("explorerWindow");
    setWindowTitle("Climora Explorer");
    bindHelpTopic(this, help::explorerWindow);
    installContextHelp(this, host.workFolder(), QKeySequence(Qt::SHIFT | Qt::Key_F1));

    profile_ = new QWebEngineProfile(this); // off the record: nothing left on disk
    page_ = new ExplorerPage(profile_, this);
    view_ = new QWebEngineView(this);
    view_->setObjectName("browser");
    view_->setAccessibleName("Web page");
    view_->setPage(page_);
    connect(page_, &ExplorerPage::navigationAnnounced, this,
            &ExplorerWindow::onNavigationAnnounced);
    connect(page_, &QWebEnginePage::loadStarted, this, &ExplorerWindow::onLoadStarted);
    connect(page_, &QWebEnginePage::loadFinished, this, &ExplorerWindow::onLoadFinished);
    // Other downloads are not accepted, which declines them.
    webArchives_ = new WebArchiveSaves(host_.messenger(), this);
    connect(profile_, &QWebEngineProfile::downloadRequested, webArchives_, &WebArchiveSaves::take);
    connect(webArchives_, &WebArchiveSaves::finished, this, &ExplorerWindow::webArchiveSaved);
    connect(page_, &QWebEnginePage::titleChanged, this, &ExplorerWindow::readDocumentTitle);
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this] { setCaptureEnabled(true); });

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildBands());
    layout->addWidget(view_, 1);
    setCentralWidget(central);
    statusPanel_ = new QLabel(this);
    statusPanel_->setObjectName("statusPanel");
    statusPanel_->setAccessibleName("Status");
    statusBar()->addWidget(statusPanel_, 1);
    buildMenus();

    resize(960, 720);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    loadHomeAndHotLinks();
    host_.setExplorerOpen(true);
    buildFavoritesMenu();
    showIdlePicture();
    placeBusyPicture();
    updateBackForward();
    setAddressText(qs(links_.front()));
    navigate();
}

ExplorerWindow::~ExplorerWindow() {
    host_.setExplorerOpen(false);
    // The page must go before its profile.
    delete view_;
    delete page_;
}

QWidget* ExplorerWindow::buildBands() {
    bands_ = new QWidget(this);
    auto* layout = new QVBoxLayout(bands_);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(buildToolBand());
    layout->addWidget(buildAddressBand());
    layout->addWidget(buildLinksBand());
    busyPicture_ = new QLabel(bands_);
    busyPicture_->setObjectName("busyPicture");
    busyPicture_->setAccessibleName("Busy");
    busyMovie_ = new QMovie(this);
    return bands_;
}

QWidget* ExplorerWindow::buildToolBand() {
    auto* band = new QToolBar(bands_);
    band->setObjectName("toolBand");
    band->setAccessibleName("Tools");
    band->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    band->setIconSize(QSize(28, 28));
    QStyle* look = style();
    auto add = [&](const QString& caption, QStyle::StandardPixmap picture, const char* name) {
        QAction* action = band->addAction(look->standardIcon(picture), caption);
        action->setObjectName(name);
        return action;
    };
    connect(add("Exit", QStyle::SP_DialogCloseButton, "exitAction"), &QAction::triggered, this,
            &QWidget::close);
    backAction_ = add("Back", QStyle::SP_ArrowBack, "backAction");
    backAction_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    forwardAction_ = add("Forward", QStyle::SP_ArrowForward, "forwardAction");
    forwardAction_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    stopAction_ = band->addAction(stopIcon(false), "Stop");
    stopAction_->setObjectName("stopAction");
    QAction* refreshAction = add("Refresh", QStyle::SP_BrowserReload, "refreshAction");
    connect(backAction_, &QAction::triggered, this, &ExplorerWindow::goBack);
    connect(forwardAction_, &QAction::triggered, this, &ExplorerWindow::goForward);
    connect(stopAction_, &QAction::triggered, this, &ExplorerWindow::stopLoading);
    connect(refreshAction, &QAction::triggered, this, &ExplorerWindow::refresh);

    captureButtonAction_ = new QAction("Capture data", this);
    captureButtonAction_->setObjectName("captureButtonAction");
    connect(captureButtonAction_, &QAction::triggered, this, &ExplorerWindow::capture);
    auto* captureButton = new QToolButton(band);
    captureButton->setObjectName("captureButton");
    captureButton->setAccessibleName("Capture data");
    captureButton->setDefaultAction(captureButtonAction_);
    captureButton->setStyleSheet("QToolButton { color: red; font-weight: bold; }");
    band->addWidget(captureButton);
    return band;
}

QWidget* ExplorerWindow::buildAddressBand() {
    auto* band = new QWidget(bands_);
    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(4, 0, busyPictureOffset, 0);
    auto* label = new QLabel("Address", band);
    addressBox_ = new AddressBox(band);
    addressBox_->setObjectName("addressBox");
    addressBox_->setAccessibleName("Address");
    label->setBuddy(addressBox_);
    layout->addWidget(label);
    layout->addWidget(addressBox_, 1);
    connect(addressBox_, &AddressBox::enterPressed, this, &ExplorerWindow::onEnterInAddressBox);
    connect(addressBox_, &AddressBox::itemChosen, this, [this](const QString& address) {
        setAddressText(address);
        navigate();
    });
    return band;
}

QWidget* ExplorerWindow::buildLinksBand() {
    auto* band = new QWidget(bands_);
    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(4, 0, busyPictureOffset, 0);
    layout->addWidget(new QLabel("Links", band));
    for (int i = 0; i < 6; ++i) {
        auto* button = new QToolButton(band);
        button->setObjectName(QString("linkButton%1").arg(i + 1));
        button->setAccessibleName(QString("Link %1").arg(i + 1));
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, i] { followLink(i + 1); });
        layout->addWidget(button);
        linkButtons_[i] = button;
    }
    layout->addStretch();
    return band;
}

void ExplorerWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("fileMenu");
    captureMenuAction_ = file->addAction("Capture data into Climora", QKeySequence("Ctrl+W"), this,
                                         &ExplorerWindow::capture);
    captureMenuAction_->setObjectName("captureMenuAction");
    file->addAction("Save complete webpage (*.mht)...", QKeySequence("Ctrl+S"), this,
                    &ExplorerWindow::saveWebArchive)
        ->setObjectName("saveWebArchiveAction");
    file->addAction("Save as text file (*.txt)...", this, &ExplorerWindow::saveAsText)
        ->setObjectName("saveTextAction");
    file->addSeparator();
    file->addAction("Open...", QKeySequence("Ctrl+O"), this, &ExplorerWindow::openPageFile)
        ->setObjectName("openAction");
    file->addSeparator();
    file->addAction("E&xit", QKeySequence("Ctrl+Q"), this, &QWidget::close)
        ->setObjectName("exitMenuAction");

    favoritesMenu_ = menuBar()->addMenu("Favorites");
    favoritesMenu_->setObjectName("favoritesMenu");
    favoritesMenu_->addAction("Add to favorites...", this, &ExplorerWindow::addFavorite)
        ->setObjectName("addFavoriteAction");
    favoritesMenu_->addAction("Manage favorites...", this, &ExplorerWindow::manageFavorites)
        ->setObjectName("manageFavoritesAction");
    favoritesMenu_
        ->addAction("Set current site as home page...", this, &ExplorerWindow::setHomePage)
        ->setObjectName("setHomePageAction");
    favoritesMenu_->addSeparator();

    QMenu* helpMenu = menuBar()->addMenu("Help");
    helpMenu->setObjectName("helpMenu");
    helpMenu->addAction("Help", QKeySequence(Qt::Key_F1), this, &ExplorerWindow::showHelp)
        ->setObjectName("helpAction");
}

void ExplorerWindow::loadHomeAndHotLinks() {
    HomePage home = readHomePage(host_.workFolder());
    std::vector<HotLink> hotLinks = readHotLinks(host_.workFolder());
    links_ = linkAddresses(home, hotLinks);
    showHomePage(home);
    for (std::size_t i = 0; i < hotLinks.size(); ++i) {
        linkButtons_[i + 1]->setText(qs(hotLinks[i].caption));
        linkButtons_[i + 1]->setToolTip(qs(hotLinks[i].tooltip));
    }
}

void ExplorerWindow::showHomePage(const HomePage& home) {
    linkButtons_[0]->setText(qs(home.name));
    linkButtons_[0]->setToolTip(qs(home.name));
}

QString ExplorerWindow::addressText() const {
    return addressBox_->currentText();
}

void ExplorerWindow::setAddressText(const QString& text) {
    addressBox_->setEditText(text);
}

void ExplorerWindow::navigate() {
    QUrl url = urlOfAddress(addressText());
    if (!url.isValid() || url.isEmpty())
        return;
    navigation_.startNavigation();
    page_->load(url);
}

void ExplorerWindow::onEnterInAddressBox() {
    // The typed text is filed as the full address the browser will announce,
    // so that the announcement finds it in the history.
    QUrl url = urlOfAddress(addressText());
    if (url.isEmpty())
        return;
    std::string text = url.toString().toStdString();
    navigation_.enterAddress(text);
    addressBox_->showItems(navigation_.addresses.items(), qs(text));
    navigate();
}

void ExplorerWindow::onNavigationAnnounced(const QUrl& url) {
    QString address = url.toString();
    std::optional<std::string> boxText = navigation_.announce(address.toStdString());
    addressBox_->showItems(navigation_.addresses.items(), boxText ? qs(*boxText) : addressText());
    statusPanel_->setText(address);
    updateBackForward();
}

void ExplorerWindow::updateBackForward() {
    backAction_->setEnabled(navigation_.history.canGoBack());
    forwardAction_->setEnabled(navigation_.history.canGoForward());
}

void ExplorerWindow::goBack() {
    if (!navigation_.history.canGoBack())
        return;
    setAddressText(qs(navigation_.history.previous()));
    navigate();
}

void ExplorerWindow::goForward() {
    if (!navigation_.history.canGoForward())
        return;
    setAddressText(qs(navigation_.history.next()));
    navigate();
}

void ExplorerWindow::stopLoading() {
    page_->triggerAction(QWebEnginePage::Stop);
}

void ExplorerWindow::refresh() {
    if (navigation_.addresses.empty())
        return;
    setAddressText(qs(navigation_.addresses.top()));
    navigate();
}

void ExplorerWindow::followLink(int button) {
    if (button < 1 || button > static_cast<int>(links_.size()))
        return;
    const std::string& address = links_[button - 1];
    if (address.empty())
        return;
    setAddressText(qs(address));
    navigate();
}

void ExplorerWindow::onLoadStarted() {
    busy_ = true;
    documentTitle_.clear();
    stopAction_->setIcon(stopIcon(true));
    busyMovie_->stop();
    busyMovie_->setFileName(QString::fromStdString(host_.workFolder().file("Gear.gif").string()));
    busyPicture_->setMovie(busyMovie_);
    busyMovie_->start();
}

void ExplorerWindow::onLoadFinished() {
    busy_ = false;
    stopAction_->setIcon(stopIcon(false));
    showIdlePicture();
    readDocumentTitle();
}

void ExplorerWindow::showIdlePicture() {
    busyMovie_->stop();
    busyPicture_->setMovie(nullptr);
    busyPicture_->setPixmap(
        QPixmap(QString::fromStdString(host_.workFolder().file("Gear.bmp").string())));
    busyPicture_->adjustSize();
}

void ExplorerWindow::placeBusyPicture() {
    busyPicture_->adjustSize();
    busyPicture_->move(width() - busyPictureOffset, 2);
    busyPicture_->raise();
}

void ExplorerWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeBusyPicture();
}

} // namespace climora
