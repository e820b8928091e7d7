#include "tools/ui/CleanDataExplanationBox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace climora {

CleanDataExplanationBox::CleanDataExplanationBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("cleanDataExplanationBox"));
    setWindowTitle(QString::fromUtf8(cleanDataCaption));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("explanationIcon"));
    icon->setAccessibleName(QStringLiteral("Information"));
    int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);

    auto* text = new QLabel(QString::fromUtf8(cleanDataExplanationText), this);
    text->setObjectName(QStringLiteral("explanationText"));
    text->setAccessibleName(QStringLiteral("Explanation"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    dontShowAgain_ = new QCheckBox(QString::fromUtf8(cleanDataDontShowAgain), this);
    dontShowAgain_->setObjectName(QStringLiteral("dontShowAgainCheckBox"));
    dontShowAgain_->setAccessibleName(QString::fromUtf8(cleanDataDontShowAgain));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setAccessibleName(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* message = new QHBoxLayout;
    message->addWidget(icon);
    message->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addWidget(dontShowAgain_, 0, Qt::AlignHCenter);
    layout->addWidget(buttons, 0, Qt::AlignHCenter);
    setMinimumWidth(360);
    resize(420, 170);
}

bool CleanDataExplanationBox::dontShowAgain() const {
    return dontShowAgain_->isChecked();
}

std::optional<bool> QtCleanDataExplanation::show() {
    CleanDataExplanationBox box(parent_);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.dontShowAgain();
}

} // namespace climora
