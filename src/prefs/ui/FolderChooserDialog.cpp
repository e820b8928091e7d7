#include "prefs/ui/FolderChooserDialog.h"

#include "base/ui/NamedButton.h"
#include "prefs/FolderChooser.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include <filesystem>
#include <optional>
#include <vector>

namespace climora {
namespace {

QLabel* makeLabel(const QString& caption, const QString& name, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    buddy->setAccessibleName(caption);
    return label;
}

std::string toStd(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace

FolderChooserDialog::FolderChooserDialog(const QString& startFolder, Messenger& messenger,
                                         QWidget* parent, QStringList volumes)
    : QDialog(parent), messenger_(messenger), volumes_(std::move(volumes)) {
    setObjectName(QStringLiteral("folderChooserDialog"));
    setWindowTitle(QStringLiteral("Select a folder"));
    setWindowModality(Qt::WindowModal);
    buildControls();
    setLayout(buildLayout());
    resize(560, 420);
    setPanelShown(false);
    selectFolder(startFolder);
}

QStringList FolderChooserDialog::mountedVolumeRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    roots.sort();
    return roots;
}

void FolderChooserDialog::buildControls() {
    selectedPath_ = new QLabel(this);
    selectedPath_->setObjectName(QStringLiteral("selectedPathLabel"));
    selectedPath_->setAccessibleName(QStringLiteral("Selected directory"));

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(QDir::rootPath());
    folderTree_ = new QTreeView(this);
    folderTree_->setObjectName(QStringLiteral("folderTree"));
    folderTree_->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column)
        folderTree_->hideColumn(column);
    folderTree_->setHeaderHidden(true);
    folderTree_->setSortingEnabled(true);
    folderTree_->sortByColumn(0, Qt::AscendingOrder);
    connect(folderTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { folderChanged(current); });
    // The model reads folders in the background: rows arrive and are sorted
    // after a folder has been selected, moving it out of view.
    connect(folders_, &QFileSystemModel::directoryLoaded, this,
            &FolderChooserDialog::keepSelectedInView);
    connect(folders_, &QAbstractItemModel::layoutChanged, this,
            &FolderChooserDialog::keepSelectedInView);
    connect(folderTree_->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { followSelected_ = false; }); // the user scrolls now

    fileList_ = new QListWidget(this);
    fileList_->setObjectName(QStringLiteral("fileList"));
    drives_ = new QComboBox(this);
    drives_->setObjectName(QStringLiteral("driveChooser"));
    drives_->addItems(volumes_);
    connect(drives_, &QComboBox::activated, this, &FolderChooserDialog::driveChosen);

    newFolder_ = namedButton(QStringLiteral("Creat new directory..."),
                             QStringLiteral("newFolderButton"), this);
    ok_ = namedButton(QStringLiteral("OK"), QStringLiteral("okButton"), this);
    ok_->setDefault(true);
    cancel_ = namedButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton"), this);
    connect(newFolder_, &QPushButton::clicked, this, &FolderChooserDialog::showNewFolderPanel);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    newFolderPanel_ = new QFrame(this);
    newFolderPanel_->setObjectName(QStringLiteral("newFolderPanel"));
    newFolderPanel_->setFrameShape(QFrame::StyledPanel);
    newFolderText_ = new QLineEdit(newFolderPanel_);
    newFolderText_->setObjectName(QStringLiteral("newFolderText"));
    newFolderText_->setAccessibleName(QStringLiteral("New directory"));
    panelOk_ =
        namedButton(QStringLiteral("OK"), QStringLiteral("newFolderOkButton"), newFolderPanel_);
    auto* panelCancel = namedButton(QStringLiteral("Cancel"),
                                    QStringLiteral("newFolderCancelButton"), newFolderPanel_);
    connect(panelOk_, &QPushButton::clicked, this, &FolderChooserDialog::confirmNewFolder);
    connect(panelCancel, &QPushButton::clicked, this, &FolderChooserDialog::cancelNewFolder);
    auto* panel = new QHBoxLayout(newFolderPanel_);
    panel->addWidget(newFolderText_, 1);
    panel->addWidget(panelOk_);
    panel->addWidget(panelCancel);
}

QLayout* FolderChooserDialog::buildLayout() {
    auto* grid = new QGridLayout;
    grid->addWidget(makeLabel(QStringLiteral("Selected directory"), QStringLiteral("selectedLabel"),
                              selectedPath_, this),
                    0, 0, 1, 2);
    grid->addWidget(selectedPath_, 1, 0, 1, 2);
    grid->addWidget(makeLabel(QStringLiteral("Directories"), QStringLiteral("directoriesLabel"),
                              folderTree_, this),
                    2, 0);
    grid->addWidget(
        makeLabel(QStringLiteral("Files (*.*)"), QStringLiteral("filesLabel"), fileList_, this), 2,
        1);
    grid->addWidget(folderTree_, 3, 0);
    grid->addWidget(fileList_, 3, 1);
    grid->addWidget(makeLabel(QStringLiteral("Drive"), QStringLiteral("driveLabel"), drives_, this),
                    4, 0);
    grid->addWidget(drives_, 5, 0);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newFolder_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout;
    layout->addLayout(grid, 1);
    layout->addWidget(newFolderPanel_);
    layout->addLayout(buttons);
    return layout;
}

bool FolderChooserDialog::selectFolder(const QString& folder) {
    QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    QModelIndex index = QFileInfo(clean).isDir() ? folders_->index(clean) : QModelIndex();
    if (!index.isValid()) {
        messenger_.reportError("Cannot select folder \"" + toStd(folder) + "\".");
        return false;
    }
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        folderTree_->expand(parent);
    folderTree_->setCurrentIndex(index);
    followSelected_ = true;
    keepSelectedInView();
    folderChanged(index); // the current index may not have changed
    return true;
}

void FolderChooserDialog::keepSelectedInView() {
    if (followSelected_)
        folderTree_->scrollTo(folderTree_->currentIndex());
}

void FolderChooserDialog::folderChanged(const QModelIndex& current) {
    if (!current.isValid())
        return;
    selected_ = folders_->filePath(current);
    selectedPath_->setText(QDir::toNativeSeparators(selected_));
    fillFileList();
    showDriveOf(selected_);
}

void FolderChooserDialog::fillFileList() {
    fileList_->clear();
    QDir folder(selected_);
    fileList_->addItems(folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void FolderChooserDialog::showDriveOf(const QString& folder) {
    std::vector<std::filesystem::path> roots;
    for (const QString& root : volumes_)
        roots.emplace_back(toStd(root));
    std::optional<std::size_t> volume = volumeOfFolder(toStd(folder), roots);
    QSignalBlocker quiet(drives_);
    drives_->setCurrentIndex(volume ? static_cast<int>(*volume) : -1);
}

void FolderChooserDialog::driveChosen(int index) {
    if (index >= 0 && index < volumes_.size())
        selectFolder(volumes_.at(index));
}

void FolderChooserDialog::setPanelShown(bool shown) {
    newFolderPanel_->setVisible(shown);
    for (QPushButton* button : {newFolder_, ok_, cancel_})
        button->setEnabled(!shown);
    ok_->setDefault(!shown);
    panelOk_->setDefault(shown);
}

void FolderChooserDialog::showNewFolderPanel() {
    setPanelShown(true);
    newFolderText_->setText(QString::fromStdString(newFolderPanelText(toStd(selected_))));
    newFolderText_->setFocus();
}

void FolderChooserDialog::confirmNewFolder() {
    std::optional<std::filesystem::path> folder =
        makeChosenFolder(toStd(newFolderText_->text()), messenger_);
    if (!folder || !selectFolder(QString::fromStdString(folder->string())))
        return; // reported; the panel stays open
    setPanelShown(false);
}

void FolderChooserDialog::cancelNewFolder() {
    setPanelShown(false);
}

} // namespace climora
