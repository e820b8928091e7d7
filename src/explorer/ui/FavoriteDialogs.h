#pragma once

#include "base/Messenger.h"
#include "explorer/ExplorerFiles.h"
#include "explorer/Favorites.h"
#include "explorer/ui/ListChoiceBox.h"

#include <QDialog>

#include <memory>

class QLineEdit;
class QListWidget;

namespace climora {

// "Add to favorites": a name for the page shown, checked against the saved
// names.
class AddFavoriteDialog : public QDialog {
    Q_OBJECT
  public:
    AddFavoriteDialog(FavoriteStore& store, Messenger& messenger, const QString& pageTitle,
                      const QString& pageAddress, QWidget* parent = nullptr);

    QLineEdit* nameBox() const { return nameBox_; }
    QListWidget* savedNames() const { return savedNames_; }

  public slots:
    void save();

  signals:
    void saved();

  private:
    FavoriteStore& store_;
    Messenger& messenger_;
    QString address_;
    QLineEdit* nameBox_;
    QListWidget* savedNames_;
};

// The names drop-down of "Manage favorites": reports the position selected
// when its list closes, the one chosen from the list if any.
class FavoriteNamesBox : public ListChoiceBox {
    Q_OBJECT
  public:
    explicit FavoriteNamesBox(QWidget* parent = nullptr);
    void hidePopup() override;
  signals:
    void listClosed(int selected);
};

// "Manage favorites": rename in the drop-down, delete; the names are
// written when the dialog closes.
class ManageFavoritesDialog : public QDialog {
    Q_OBJECT
  public:
    ManageFavoritesDialog(FavoriteStore& store, Messenger& messenger, int& rememberedPosition,
                          QWidget* parent = nullptr);
    ~ManageFavoritesDialog() override;

    FavoriteNamesBox* namesBox() const { return namesBox_; }
    const FavoriteNameEditor& editor() const { return *editor_; }

  public slots:
    void acceptName();
    void deleteSelected();
    void done(int result) override;

  signals:
    void namesWritten();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Messenger& messenger_;
    std::unique_ptr<FavoriteNameEditor> editor_;
    FavoriteNamesBox* namesBox_;
    bool written_ = false;
};

// "Set as home page": a name for the address last asked for.
class HomePageDialog : public QDialog {
    Q_OBJECT
  public:
    HomePageDialog(const WorkFolder& workFolder, Messenger& messenger, const QString& pageTitle,
                   const QString& address, QWidget* parent = nullptr);

    QLineEdit* nameBox() const { return nameBox_; }

  public slots:
    void confirm();

  signals:
    void homePageSet(const climora::HomePage& home);

  private:
    const WorkFolder& workFolder_;
    Messenger& messenger_;
    QString address_;
    QLineEdit* nameBox_;
};

} // namespace climora
