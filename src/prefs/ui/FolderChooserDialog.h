#pragma once

#include "base/Messenger.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QFileSystemModel;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace climora {

// "Select a folder": the selected folder's path, the folder tree
// ("Directories"), its files ("Files (*.*)"), a drive chooser ("Drive") and
// "Creat new directory..." with its panel. While the panel is shown the
// dialog's own OK, Cancel and "Creat new directory..." are disabled.
class FolderChooserDialog : public QDialog {
    Q_OBJECT
  public:
    // `volumes`: the drive chooser's entries (root paths); by default the
    // mounted volumes of this system.
    FolderChooserDialog(const QString& startFolder, Messenger& messenger, QWidget* parent = nullptr,
                        QStringList volumes = mountedVolumeRoots());

    static QStringList mountedVolumeRoots();

    QString selectedFolder() const { return selected_; }
    // Selects a folder in the tree; a folder that cannot be selected is
    // reported and gives false.
    bool selectFolder(const QString& folder);

    void showNewFolderPanel();
    void confirmNewFolder();
    void cancelNewFolder();

  private:
    void buildControls();
    QLayout* buildLayout();
    // Scrolls the tree to the selected folder until the user scrolls it.
    void keepSelectedInView();
    void folderChanged(const QModelIndex& current);
    void driveChosen(int index);
    void fillFileList();
    void showDriveOf(const QString& folder);
    void setPanelShown(bool shown);

    Messenger& messenger_;
    QStringList volumes_;
    QString selected_;
    bool followSelected_ = false;
    QFileSystemModel* folders_ = nullptr;
    QLabel* selectedPath_ = nullptr;
    QTreeView* folderTree_ = nullptr;
    QListWidget* fileList_ = nullptr;
    QComboBox* drives_ = nullptr;
    QPushButton* newFolder_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* panelOk_ = nullptr;
    QFrame* newFolderPanel_ = nullptr;
    QLineEdit* newFolderText_ = nullptr;
};

} // namespace climora
