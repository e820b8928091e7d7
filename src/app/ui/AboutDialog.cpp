#include "app/ui/AboutDialog.h"

#include <QBoxLayout>
#include <QDesktopServices>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtMath>

namespace climora {
namespace {

const char* programText =
    "Climora version 1.0\n"
    "Daily weather data for crop-growth simulation\n\n"
    "Written by Mara Lindqvist and Tomas Okafor\n"
    "Department of Agricultural Meteorology\n"
    "Northfield College of Agriculture\n\n"
    "Copyright (c) 2016-2024 Northfield College of Agriculture. All rights reserved.\n\n"
    "Visit the Climora web site for more information, answers to frequent questions "
    "and updates:";

const char* contactText = "Contact:\n"
                          "Mara Lindqvist\n"
                          "Department of Agricultural Meteorology\n"
                          "Northfield College of Agriculture\n"
                          "1200 College Road, Northfield, NF 40512\n"
                          "Telephone: +1 555 0134 2270\n"
                          "E-mail: climora@example.org";

const char* licenceText = "Free software under the GNU General Public License, version 3 or "
                          "later (the LICENSE file).";

const char* disclaimerText =
    "Disclaimer: neither Northfield College of Agriculture nor the authors accept any "
    "liability for errors or incorrect results of this program, or for any problem "
    "arising from its installation or use.";

void openWithDesktop(const QUrl& address) {
    QDesktopServices::openUrl(address);
}

void drawSun(QPainter& painter, int size) {
    QPointF centre(size * 0.64, size * 0.36);
    double radius = size * 0.16;
    painter.setPen(QPen(QColor(240, 160, 20), size / 40.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        double angle = qDegreesToRadians(i * 30.0);
        QPointF direction(qCos(angle), qSin(angle));
        painter.drawLine(centre + direction * radius * 1.35, centre + direction * radius * 1.8);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 196, 40));
    painter.drawEllipse(centre, radius, radius);
}

void drawLeaf(QPainter& painter, int size) {
    QPainterPath leaf;
    leaf.moveTo(size * 0.18, size * 0.86);
    leaf.cubicTo(size * 0.10, size * 0.50, size * 0.36, size * 0.40, size * 0.56, size * 0.46);
    leaf.cubicTo(size * 0.52, size * 0.70, size * 0.40, size * 0.86, size * 0.18, size * 0.86);
    QLinearGradient green(0, size * 0.4, 0, size * 0.9);
    green.setColorAt(0, QColor(120, 190, 70));
    green.setColorAt(1, QColor(40, 120, 40));
    painter.setPen(QPen(QColor(30, 90, 30), size / 60.0));
    painter.setBrush(green);
    painter.drawPath(leaf);
    painter.drawLine(QPointF(size * 0.18, size * 0.86), QPointF(size * 0.50, size * 0.50));
}

} // namespace

QPixmap climoraLogo(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size);
    sky.setColorAt(0, QColor(110, 170, 235));
    sky.setColorAt(1, QColor(215, 235, 250));
    painter.setPen(QPen(QColor(60, 100, 150), size / 50.0));
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size * 0.12, size * 0.12);
    drawSun(painter, size);
    // Rain drops on the left, the leaf in front.
    painter.setPen(QPen(QColor(40, 90, 200), size / 30.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        painter.drawLine(QPointF(size * (0.16 + i * 0.1), size * 0.16),
                         QPointF(size * (0.12 + i * 0.1), size * 0.30));
    drawLeaf(painter, size);
    return pixmap;
}

QUrl AboutDialog::webSite() {
    return QUrl("https://climora.example.org/");
}

AboutDialog::AboutDialog(QWidget* mainWindow, AddressOpener openAddress)
    : QDialog(mainWindow),
      openAddress_(openAddress ? std::move(openAddress) : AddressOpener(openWithDesktop)) {
    setObjectName("aboutDialog");
    setWindowTitle("Climora");
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::WindowModal);

    auto* logo = new QLabel(this);
    logo->setObjectName("logo");
    logo->setAccessibleName("Climora logo");
    logo->setPixmap(climoraLogo(96));

    webAddress_ = new QLabel(
        QString("<a href=\"%1\">%1</a>").arg(webSite().toString().toHtmlEscaped()), this);
    webAddress_->setObjectName("webAddress");
    webAddress_->setAccessibleName("Web site");
    webAddress_->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    webAddress_->setCursor(Qt::PointingHandCursor);
    connect(webAddress_, &QLabel::linkActivated, this,
            [this](const QString& link) { openAddress_(QUrl(link)); });

    okButton_ = new QPushButton("OK", this);
    okButton_->setObjectName("okButton");
    okButton_->setAccessibleName("OK");
    okButton_->setDefault(true);
    // OK is also the cancel button: Escape presses it.
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto* licence = new QLabel(licenceText, this);
    licence->setObjectName("licenceText");
    licence->setAccessibleName("Licence");
    licence->setWordWrap(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(textBlock("programText", "About the program", programText), 3);
    texts->addWidget(webAddress_);
    texts->addWidget(textBlock("contactText", "Contact", contactText), 2);
    texts->addWidget(textBlock("disclaimerText", "Disclaimer", disclaimerText), 1);
    texts->addWidget(licence);
    auto* body = new QHBoxLayout;
    body->addWidget(logo, 0, Qt::AlignTop);
    body->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    resize(520, 470);
    if (mainWindow)
        move(mainWindow->geometry().center() - rect().center());
    okButton_->setFocus();
}

QPlainTextEdit* AboutDialog::textBlock(const char* objectName, const QString& accessibleName,
                                       const QString& text) {
    auto* block = new QPlainTextEdit(text, this);
    block->setObjectName(objectName);
    block->setAccessibleName(accessibleName);
    block->setReadOnly(true);
    block->setFrameShape(QFrame::NoFrame);
    // Selectable with the mouse, never by keyboard: no caret blinks in a
    // read-only text, and Tab passes straight to the OK button.
    block->setTextInteractionFlags(Qt::TextSelectableByMouse);
    block->setFocusPolicy(Qt::NoFocus);
    QPalette colours = block->palette();
    colours.setColor(QPalette::Base, palette().color(QPalette::Window));
    block->setPalette(colours);
    block->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return block;
}

AboutDialog* AboutDialog::showOver(QWidget* mainWindow) {
    auto* dialog = new AboutDialog(mainWindow);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    dialog->okButton()->setFocus();
    return dialog;
}

} // namespace climora
