#include "pipeline/ui/MissingValueGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace climora {
namespace {

QLineEdit* addBox(QGridLayout* grid, int row, QLabel* label, const QString& name,
                  const QString& text) {
    auto* box = new QLineEdit(text);
    box->setObjectName(name);
    box->setAccessibleName(label->text());
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

} // namespace

MissingValueGroup::MissingValueGroup(Messenger& messenger, QWidget* parent)
    : QGroupBox(QStringLiteral("Missing value substitution"), parent), messenger_(messenger) {
    setObjectName(QStringLiteral("missingValueGroup"));
    setAccessibleName(title());
    enabled_ = new QCheckBox(QStringLiteral("Enabled"));
    enabled_->setObjectName(QStringLiteral("substitutionEnabledBox"));
    enabled_->setAccessibleName(QStringLiteral("Missing value substitution enabled"));
    enabled_->setChecked(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(enabled_, 0, 0, 1, 2);
    signLabel_ = new QLabel(QStringLiteral("Sign of missing values"));
    sign_ = addBox(grid, 1, signLabel_, QStringLiteral("missingSignBox"), QStringLiteral("-99"));
    substitutionLabel_ = new QLabel(QStringLiteral("Substitution"));
    substitution_ = addBox(grid, 2, substitutionLabel_, QStringLiteral("substitutionBox"),
                           QStringLiteral("0.01"));

    connect(enabled_, &QCheckBox::toggled, this, &MissingValueGroup::applyEnabled);
    connect(sign_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!restoring_)
            testInputTypeOne(text.toStdString(), messenger_);
    });
}

MissingValueSettings MissingValueGroup::settings() const {
    return {enabled_->isChecked(), sign_->text().toStdString(),
            substitution_->text().toStdString()};
}

void MissingValueGroup::setSettings(const MissingValueSettings& settings) {
    restoring_ = true;
    enabled_->setChecked(settings.enabled);
    sign_->setText(QString::fromStdString(settings.sign));
    substitution_->setText(QString::fromStdString(settings.substitution));
    restoring_ = false;
    applyEnabled();
}

void MissingValueGroup::applyEnabled() {
    bool on = enabled_->isChecked();
    for (QWidget* w :
         {static_cast<QWidget*>(signLabel_), static_cast<QWidget*>(sign_),
          static_cast<QWidget*>(substitutionLabel_), static_cast<QWidget*>(substitution_)})
        w->setEnabled(on);
}

} // namespace climora
