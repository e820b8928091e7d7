#include "prefs/ui/DefaultFoldersDialog.h"

#include "base/ui/NamedButton.h"
#include "prefs/DefaultFolders.h"
#include "prefs/FolderChooser.h"
#include "prefs/ui/FolderChooserDialog.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace climora {
namespace {

QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.c_str());
}
std::string toStd(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace

DefaultFoldersDialog::DefaultFoldersDialog(const WorkFolder& work, std::string& defaultInputFolder,
                                           std::string& defaultOutputFolder, Messenger& messenger,
                                           QWidget* parent)
    : QDialog(parent), work_(work), defaultInputFolder_(defaultInputFolder),
      defaultOutputFolder_(defaultOutputFolder), messenger_(messenger) {
    setObjectName(QStringLiteral("defaultFoldersDialog"));
    setWindowTitle(QStringLiteral("Default input & output folders"));
    setWindowModality(Qt::WindowModal);

    FolderTexts texts = defaultFolderTexts(work);
    inputFolder_ = new QLineEdit(fromStd(texts.inputFolder), this);
    inputFolder_->setObjectName(QStringLiteral("inputFolderEdit"));
    outputFolder_ = new QLineEdit(fromStd(texts.outputFolder), this);
    outputFolder_->setObjectName(QStringLiteral("outputFolderEdit"));
    auto* inputLabel = new QLabel(QStringLiteral("Default folder for input files"), this);
    inputLabel->setObjectName(QStringLiteral("inputFolderLabel"));
    inputLabel->setBuddy(inputFolder_);
    inputFolder_->setAccessibleName(inputLabel->text());
    auto* outputLabel = new QLabel(QStringLiteral("Default folder for output files"), this);
    outputLabel->setObjectName(QStringLiteral("outputFolderLabel"));
    outputLabel->setBuddy(outputFolder_);
    outputFolder_->setAccessibleName(outputLabel->text());

    auto* browseInput =
        namedButton(QStringLiteral("Browse..."), QStringLiteral("browseInputButton"), this,
                    QStringLiteral("Browse for the input folder"));
    auto* browseOutput =
        namedButton(QStringLiteral("Browse..."), QStringLiteral("browseOutputButton"), this,
                    QStringLiteral("Browse for the output folder"));
    auto* ok = namedButton(QStringLiteral("OK"), QStringLiteral("okButton"), this);
    ok->setDefault(true);
    auto* cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton"), this);
    connect(browseInput, &QPushButton::clicked, this, [this] { browse(inputFolder_); });
    connect(browseOutput, &QPushButton::clicked, this, [this] { browse(outputFolder_); });
    connect(ok, &QPushButton::clicked, this, &DefaultFoldersDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this,
            [this] { emit helpRequested(defaultFoldersHelpTopic); });

    auto* grid = new QGridLayout;
    grid->addWidget(inputLabel, 0, 0, 1, 2);
    grid->addWidget(inputFolder_, 1, 0);
    grid->addWidget(browseInput, 1, 1);
    grid->addWidget(outputLabel, 2, 0, 1, 2);
    grid->addWidget(outputFolder_, 3, 0);
    grid->addWidget(browseOutput, 3, 1);
    grid->setColumnStretch(0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    resize(460, sizeHint().height());
}

void DefaultFoldersDialog::browse(QLineEdit* box) {
    std::filesystem::path start = chooserStartFolder(toStd(box->text()), work_);
    FolderChooserDialog chooser(fromStd(start.string()), messenger_, this);
    if (chooser.exec() == QDialog::Accepted && !chooser.selectedFolder().isEmpty())
        box->setText(QDir::toNativeSeparators(chooser.selectedFolder()));
}

void DefaultFoldersDialog::confirm() {
    FolderTexts typed{toStd(inputFolder_->text()), toStd(outputFolder_->text())};
    if (saveDefaultFolders(work_, typed, defaultInputFolder_, defaultOutputFolder_, messenger_))
        accept();
}

} // namespace climora
