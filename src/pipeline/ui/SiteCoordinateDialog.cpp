#include "pipeline/ui/SiteCoordinateDialog.h"

#include "pipeline/SiteCoordinate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace climora {
namespace {

char decimalSeparatorOf(const QLocale& locale) {
    QString point = locale.decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

QLineEdit* addNumberRow(QGridLayout* grid, int row, const QString& caption, const QString& name) {
    auto* label = new QLabel(caption);
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setAccessibleName(caption);
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

QComboBox* addSideList(QGridLayout* grid, int row, const QStringList& sides, const QString& name,
                       const QString& accessibleName) {
    auto* list = new QComboBox;
    list->addItems(sides);
    list->setCurrentIndex(0);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    grid->addWidget(list, row, 2);
    return list;
}

} // namespace

SiteCoordinateDialog::SiteCoordinateDialog(Messenger& messenger, QWidget* parent,
                                           const QLocale& locale)
    : QDialog(parent), messenger_(messenger), decimalSeparator_(decimalSeparatorOf(locale)) {
    setObjectName(QStringLiteral("siteCoordinateDialog"));
    setWindowTitle(QStringLiteral("Site coordinate"));

    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(QStringLiteral(
        "Enter site's latitude and longitude (in decimal degree), and elevation (in meter)"));
    prompt->setObjectName(QStringLiteral("promptLabel"));
    auto* hint = new QLabel(
        QStringLiteral("The info is normally given in the beginning of the input data."));
    hint->setObjectName(QStringLiteral("hintLabel"));
    layout->addWidget(prompt);
    layout->addWidget(hint);

    auto* grid = new QGridLayout;
    latitude_ = addNumberRow(grid, 0, QStringLiteral("Latitude"), QStringLiteral("latitudeBox"));
    northSouth_ = addSideList(grid, 0, {QStringLiteral("N"), QStringLiteral("S")},
                              QStringLiteral("northSouthList"), QStringLiteral("Latitude N or S"));
    longitude_ = addNumberRow(grid, 1, QStringLiteral("Longitude"), QStringLiteral("longitudeBox"));
    westEast_ = addSideList(grid, 1, {QStringLiteral("W"), QStringLiteral("E")},
                            QStringLiteral("westEastList"), QStringLiteral("Longitude W or E"));
    elevation_ =
        addNumberRow(grid, 2, QStringLiteral("Elevation, m"), QStringLiteral("elevationBox"));
    layout->addLayout(grid);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true); // Enter in any box acts as OK
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAccessibleName(QStringLiteral("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &SiteCoordinateDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &SiteCoordinateDialog::reject);
}

void SiteCoordinateDialog::accept() {
    SiteEntry entry{latitude_->text().toStdString(), northSouth_->currentIndex() == 1,
                    longitude_->text().toStdString(), westEast_->currentIndex() == 1,
                    elevation_->text().toStdString()};
    std::optional<SiteValues> values = readSiteEntry(entry, decimalSeparator_, messenger_);
    if (!values)
        return; // the message has been shown; the dialog stays open
    line_ = climora::siteLine(*values);
    emit siteLineAccepted(QString::fromStdString(*line_));
    QDialog::accept();
}

SiteCoordinateDialog* askForLatValueAndInsert(QWidget* window, Messenger& messenger,
                                              std::function<void(const std::string&)> insert) {
    auto* dialog = new SiteCoordinateDialog(messenger, window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(
        dialog, &SiteCoordinateDialog::siteLineAccepted, dialog,
        [insert = std::move(insert)](const QString& line) { insert(line.toStdString()); });
    dialog->show();
    return dialog;
}

} // namespace climora
