#include "pipeline/ui/MissingValueGroup.h"

#include "pipeline/RowExtraction.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace climora {

MissingValueGroup::MissingValueGroup(Messenger& messenger, QWidget* parent)
    : QGroupBox(QStringLiteral("Missing value substitution"), parent), messenger_(messenger) {
    setObjectName(QStringLiteral("missingValueGroup"));
    enabled_ = new QCheckBox(QStringLiteral("Enabled"), this);
    enabled_->setObjectName(QStringLiteral("substitutionEnabled"));
    enabled_->setChecked(true);
    sign_ = new QLineEdit(QStringLiteral("-99"), this);
    sign_->setObjectName(QStringLiteral("missingSign"));
    sign_->setMaximumWidth(80);
    substitution_ = new QLineEdit(QStringLiteral("0.01"), this);
    substitution_->setObjectName(QStringLiteral("substitution"));
    substitution_->setMaximumWidth(80);
    signLabel_ = new QLabel(QStringLiteral("Sign of missing values"), this);
    signLabel_->setBuddy(sign_);
    substitutionLabel_ = new QLabel(QStringLiteral("Substitution"), this);
    substitutionLabel_->setBuddy(substitution_);
    sign_->setAccessibleName(signLabel_->text());
    substitution_->setAccessibleName(substitutionLabel_->text());

    auto* layout = new QFormLayout(this);
    layout->addRow(enabled_);
    layout->addRow(signLabel_, sign_);
    layout->addRow(substitutionLabel_, substitution_);

    connect(enabled_, &QCheckBox::toggled, this, &MissingValueGroup::applyEnabled);
    connect(sign_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!restoring_)
            testInputTypeOne(text.toStdString(), messenger_);
    });
}

void MissingValueGroup::applyEnabled() {
    bool on = enabled_->isChecked();
    for (QWidget* w :
         {static_cast<QWidget*>(signLabel_), static_cast<QWidget*>(sign_),
          static_cast<QWidget*>(substitutionLabel_), static_cast<QWidget*>(substitution_)})
        w->setEnabled(on);
}

bool MissingValueGroup::isSubstitutionEnabled() const {
    return enabled_->isChecked();
}
QString MissingValueGroup::sign() const {
    return sign_->text();
}
QString MissingValueGroup::substitution() const {
    return substitution_->text();
}

void MissingValueGroup::restore(bool enabled, const QString& sign, const QString& substitution) {
    restoring_ = true;
    enabled_->setChecked(enabled);
    sign_->setText(sign);
    substitution_->setText(substitution);
    restoring_ = false;
    applyEnabled();
}

} // namespace climora
