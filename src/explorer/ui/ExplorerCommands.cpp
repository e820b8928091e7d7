// The explorer's commands on the page shown: capture, save, open, the
// favourites dialogs and help.
#include "base/Command.h"
#include "base/TextFile.h"
#include "explorer/Capture.h"
#include "explorer/ui/ExplorerPage.h"
#include "explorer/ui/ExplorerPictures.h"
#include "explorer/ui/ExplorerWindow.h"
#include "explorer/ui/FavoriteDialogs.h"
#include "explorer/ui/WebArchiveSaves.h"
#include "help/HelpTopics.h"
#include "help/ui/HelpWindow.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <stdexcept>

namespace climora {
namespace {

// Read in a world of its own, so that the page's scripts cannot change
// what is read.
const QString readPageScript = "[document.title, document.body ? document.body.innerText : '']";

// The input panel is left alone when the browser cannot give the text.
const char* pageUnreadable = "The text of the page could not be read.";

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

bool ExplorerWindow::guarded(const std::function<void()>& command) {
    return runCommand(host_.messenger(), command);
}

void ExplorerWindow::setCaptureEnabled(bool enabled) {
    captureButtonAction_->setEnabled(enabled);
    captureMenuAction_->setEnabled(enabled);
}

void ExplorerWindow::readPage(std::function<void(const std::optional<CapturedPage>&)> done) {
    page_->runJavaScript(readPageScript, QWebEngineScript::ApplicationWorld,
                         [done = std::move(done)](const QVariant& result) {
                             QVariantList parts = result.toList();
                             if (parts.size() != 2) {
                                 done(std::nullopt);
                                 return;
                             }
                             done(CapturedPage{parts[1].toString().toStdString(),
                                               parts[0].toString().toStdString()});
                         });
}

void ExplorerWindow::capture() {
    if (!captureMenuAction_->isEnabled())
        return;
    setCaptureEnabled(false);
    // The page and the address are taken as they stand at the press.
    QPointer<ExplorerWindow> self(this);
    std::string address = addressText().toStdString();
    readPage([self, address](const std::optional<CapturedPage>& page) {
        if (!self)
            return;
        bool delivered = self->guarded([&] {
            if (!page)
                throw std::runtime_error(pageUnreadable);
            deliverCapture(self->host_, *page, address);
        });
        if (!self)
            return;
        self->setCaptureEnabled(true);
        if (delivered)
            self->close();
    });
}

void ExplorerWindow::saveAsText() {
    FileDialogRequest request;
    request.title = "Save as text file";
    request.startFolder = host_.defaultInputFolder();
    request.filter = "Text file (*.txt)|*.txt";
    std::optional<FileChoice> choice = host_.fileDialogs().saveFile(request);
    if (!choice)
        return;
    std::string path = textSaveName(choice->path);
    ExplorerHost* host = &host_;
    readPage([host, path](const std::optional<CapturedPage>& page) {
        runCommand(host->messenger(), [&] {
            if (!page)
                throw std::runtime_error(pageUnreadable);
            writeTextLines(path, splitLines(page->bodyText));
        });
    });
}

void ExplorerWindow::saveWebArchive() {
    FileDialogRequest request;
    request.title = "Save complete webpage";
    request.startFolder = host_.defaultInputFolder();
    request.filter = "Single file (*.mht)|*.mht";
    std::optional<FileChoice> choice = host_.fileDialogs().saveFile(request);
    if (!choice)
        return;
    webArchives_->start(page_, qs(webArchiveSaveName(choice->path)));
}

void ExplorerWindow::openPageFile() {
    FileDialogRequest request;
    request.title = "Open";
    request.filter = "Webpage files (*.mht; *.htm; *.html)|*.mht;*.htm;*.html|All files (*.*)|*.*";
    std::optional<FileChoice> choice = host_.fileDialogs().openFile(request);
    if (!choice)
        return;
    setAddressText(QDir::toNativeSeparators(qs(choice->path)));
    navigate();
}

void ExplorerWindow::buildFavoritesMenu() {
    QList<QAction*> entries = favoritesMenu_->actions();
    for (qsizetype i = 4; i < entries.size(); ++i) {
        favoritesMenu_->removeAction(entries[i]);
        entries[i]->deleteLater();
    }
    std::vector<std::string> names;
    if (!guarded([&] { names = favorites_.names(); }))
        return;
    QIcon star = favoriteIcon();
    for (std::size_t k = 0; k < names.size(); ++k) {
        // The names are shown as they stand: an "&" is no accelerator here.
        QString caption = qs(names[k]).replace('&', "&&");
        QAction* entry = favoritesMenu_->addAction(star, caption);
        entry->setObjectName(QString("favorite%1").arg(k + 1));
        int number = static_cast<int>(k) + 1;
        connect(entry, &QAction::triggered, this, [this, number] { openFavorite(number); });
    }
}

void ExplorerWindow::openFavorite(int number) {
    std::optional<std::string> address = favorites_.addressOf(number);
    if (!address)
        return;
    setAddressText(qs(*address));
    navigate();
}

void ExplorerWindow::fillWithTitle(QLineEdit* nameBox) {
    // The title read after the last load; a fresh reading replaces it unless
    // the user has typed a name meanwhile.
    nameBox->setText(documentTitle_);
    QPointer<QLineEdit> box(nameBox);
    readTitle([box](const QString& title) {
        if (box && !box->isModified())
            box->setText(title);
    });
}

void ExplorerWindow::addFavorite() {
    auto* dialog = new AddFavoriteDialog(favorites_, host_.messenger(), QString(),
                                         page_->url().toString(), this);
    fillWithTitle(dialog->nameBox());
    connect(dialog, &AddFavoriteDialog::saved, this, &ExplorerWindow::buildFavoritesMenu);
    dialog->show();
}

void ExplorerWindow::manageFavorites() {
    auto* dialog = new ManageFavoritesDialog(favorites_, host_.messenger(),
                                             rememberedFavoritePosition(), this);
    connect(dialog, &ManageFavoritesDialog::namesWritten, this,
            &ExplorerWindow::buildFavoritesMenu);
    dialog->show();
}

void ExplorerWindow::setHomePage() {
    auto* dialog =
        new HomePageDialog(host_.workFolder(), host_.messenger(), QString(), addressText(), this);
    fillWithTitle(dialog->nameBox());
    connect(dialog, &HomePageDialog::homePageSet, this, [this](const HomePage& home) {
        links_.front() = home.address;
        showHomePage(home);
    });
    dialog->show();
}

void ExplorerWindow::readTitle(std::function<void(const QString&)> done) {
    page_->runJavaScript(
        "document.title", QWebEngineScript::ApplicationWorld,
        [done = std::move(done)](const QVariant& title) { done(title.toString()); });
}

void ExplorerWindow::readDocumentTitle() {
    QPointer<ExplorerWindow> self(this);
    readTitle([self](const QString& title) {
        if (self)
            self->documentTitle_ = title;
    });
}

void ExplorerWindow::showHelp() {
    openHelp(host_.workFolder(), help::contents);
}

} // namespace climora
