#include "explorer/ui/FavoriteDialogs.h"

#include "base/ui/NamedButton.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace climora {
namespace {

// The favourites dialogs block the explorer while open and sit in the
// middle of the desktop.
void prepareDialog(QDialog* dialog, const char* objectName, const QString& caption) {
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(caption);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
}

void centreOnDesktop(QWidget* window, QSize size) {
    window->resize(size.expandedTo(window->sizeHint()));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

QLineEdit* nameEdit(const QString& text, QLabel* label, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName("nameBox");
    edit->setAccessibleName("Name");
    if (label)
        label->setBuddy(edit);
    return edit;
}

std::string text(const QString& value) {
    return value.toStdString();
}

} // namespace

AddFavoriteDialog::AddFavoriteDialog(FavoriteStore& store, Messenger& messenger,
                                     const QString& pageTitle, const QString& pageAddress,
                                     QWidget* parent)
    : QDialog(parent), store_(store), messenger_(messenger), address_(pageAddress) {
    prepareDialog(this, "addFavoriteDialog", "Add to favorites");
    auto* nameLabel = new QLabel("Name", this);
    nameBox_ = nameEdit(pageTitle, nameLabel, this);
    auto* listLabel = new QLabel("Saved names", this);
    savedNames_ = new QListWidget(this);
    savedNames_->setObjectName("savedNames");
    savedNames_->setAccessibleName("Saved names");
    listLabel->setBuddy(savedNames_);
    savedNames_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    int widest = 0;
    for (const std::string& name : store.names()) {
        QString caption = QString::fromStdString(name);
        savedNames_->addItem(caption);
        widest = std::max(widest, savedNames_->fontMetrics().horizontalAdvance(caption));
    }
    // The list scrolls sideways over the widest name plus 100 pixels.
    for (int i = 0; i < savedNames_->count(); ++i)
        savedNames_->item(i)->setSizeHint(QSize(widest + 100, savedNames_->sizeHintForRow(i)));

    auto* saveButton = namedButton("Save", "saveButton", this);
    auto* cancelButton = namedButton("Cancel", "cancelButton", this);
    saveButton->setAutoDefault(false);
    cancelButton->setAutoDefault(false);
    connect(saveButton, &QPushButton::clicked, this, &AddFavoriteDialog::save);
    connect(nameBox_, &QLineEdit::returnPressed, this, &AddFavoriteDialog::save);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(nameBox_);
    layout->addWidget(listLabel);
    layout->addWidget(savedNames_);
    layout->addLayout(buttons);
    centreOnDesktop(this, QSize(360, 320));
    nameBox_->setFocus();
}

void AddFavoriteDialog::save() {
    try {
        if (!store_.add(text(nameBox_->text()), text(address_), messenger_))
            return;
    } catch (const std::exception& failure) {
        messenger_.reportError(failure.what());
        return;
    }
    emit saved();
    accept();
}

FavoriteNamesBox::FavoriteNamesBox(QWidget* parent) : ListChoiceBox(parent) {
    connect(this, &ListChoiceBox::chosenFromList, this, &FavoriteNamesBox::listClosed);
}

// Closing without a choice keeps the position selected; a choice from the
// list is announced just after and replaces it.
void FavoriteNamesBox::hidePopup() {
    ListChoiceBox::hidePopup();
    emit listClosed(currentIndex());
}

ManageFavoritesDialog::ManageFavoritesDialog(FavoriteStore& store, Messenger& messenger,
                                             int& rememberedPosition, QWidget* parent)
    : QDialog(parent), messenger_(messenger),
      editor_(std::make_unique<FavoriteNameEditor>(store, rememberedPosition)) {
    prepareDialog(this, "manageFavoritesDialog", "Manage favorites");
    auto* hint = new QLabel("To rename, edit directly in the name box", this);
    namesBox_ = new FavoriteNamesBox(this);
    namesBox_->setObjectName("namesBox");
    namesBox_->setAccessibleName("Favorite names");
    hint->setBuddy(namesBox_);
    for (const std::string& name : editor_->names())
        namesBox_->addItem(QString::fromStdString(name));
    namesBox_->setMaxVisibleItems(std::max(1, namesBox_->count()));
    namesBox_->setCurrentIndex(-1);
    namesBox_->installEventFilter(this); // it takes the keys typed into its text
    connect(namesBox_, &FavoriteNamesBox::listClosed, this,
            [this](int selected) { editor_->listClosed(selected); });

    auto* acceptButton = namedButton("Accept", "acceptButton", this);
    auto* deleteButton = namedButton("Delete", "deleteButton", this);
    auto* closeButton = namedButton("Close", "closeButton", this);
    for (QPushButton* b : {acceptButton, deleteButton, closeButton})
        b->setAutoDefault(false);
    connect(acceptButton, &QPushButton::clicked, this, &ManageFavoritesDialog::acceptName);
    connect(deleteButton, &QPushButton::clicked, this, &ManageFavoritesDialog::deleteSelected);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(acceptButton);
    buttons->addWidget(deleteButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(namesBox_);
    layout->addLayout(buttons);
    centreOnDesktop(this, QSize(380, 110));
}

ManageFavoritesDialog::~ManageFavoritesDialog() = default;

bool ManageFavoritesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == namesBox_ && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            acceptName();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ManageFavoritesDialog::acceptName() {
    QString name = namesBox_->currentText();
    if (editor_->accept(text(name), messenger_))
        namesBox_->setItemText(editor_->rememberedPosition(), name);
}

void ManageFavoritesDialog::deleteSelected() {
    int selected = namesBox_->currentIndex();
    try {
        if (!editor_->remove(selected))
            return;
    } catch (const std::exception& failure) {
        messenger_.reportError(failure.what());
        return;
    }
    namesBox_->removeItem(selected);
    namesBox_->setCurrentIndex(-1);
    namesBox_->repaint();
    // A short pause lets the user see the name go before the next one shows.
    QTimer::singleShot(500, this, [this] {
        if (namesBox_->count() > 0)
            namesBox_->setCurrentIndex(0);
    });
}

void ManageFavoritesDialog::done(int result) {
    if (!written_) {
        written_ = true;
        try {
            editor_->close();
        } catch (const std::exception& failure) {
            messenger_.reportError(failure.what());
        }
        emit namesWritten();
    }
    QDialog::done(result);
}

HomePageDialog::HomePageDialog(const WorkFolder& workFolder, Messenger& messenger,
                               const QString& pageTitle, const QString& address, QWidget* parent)
    : QDialog(parent), workFolder_(workFolder), messenger_(messenger), address_(address) {
    prepareDialog(this, "homePageDialog", "Set as home page");
    nameBox_ = nameEdit(pageTitle, nullptr, this);
    auto* okButton = namedButton("OK", "okButton", this);
    auto* cancelButton = namedButton("Cancel", "cancelButton", this);
    okButton->setAutoDefault(false);
    cancelButton->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &HomePageDialog::confirm);
    connect(nameBox_, &QLineEdit::returnPressed, this, &HomePageDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameBox_);
    layout->addLayout(buttons);
    centreOnDesktop(this, QSize(360, 80));
    nameBox_->setFocus();
}

void HomePageDialog::confirm() {
    HomePage home{text(nameBox_->text()), text(address_)};
    try {
        writeHomePage(workFolder_, home);
    } catch (const std::exception& failure) {
        messenger_.reportError(failure.what());
        return;
    }
    emit homePageSet(home);
    accept();
}

} // namespace climora
