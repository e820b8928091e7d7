#include "methods/ui/Task6Page.h"

#include "methods/ui/PageParts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace climora {

namespace {

QLabel* panLabel(const QString& text, const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAccessibleName(text);
    return label;
}

} // namespace

Task6Page::Task6Page(QWidget* parent) : EstimationPage(parent) {
    setObjectName("task6");
    setAccessibleName("Estimate reference ET from pan evaporation");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* requirements = new QVBoxLayout;
    addRequirements(requirements, "ET estimation using this method requires:",
                    {"Pan evaporation", "Wind speed", "Relative humidity of the air"}, "task6");
    top->addLayout(requirements, 1);
    help_ = new QPushButton("Help", this);
    help_->setObjectName("task6Help");
    help_->setAccessibleName("Help on pan coefficients");
    top->addWidget(help_, 0, Qt::AlignTop);
    layout->addLayout(top);

    auto* group = new QGroupBox("Type of pan and length of fetch", this);
    group->setObjectName("task6PanGroup");
    group->setAccessibleName("Type of pan and length of fetch");
    auto* grid = new QGridLayout(group);
    const QString classA = "Class-A pan with";
    const QString colorado = "Colorado sunken pan with";
    grid->addWidget(panLabel(classA, "task6ClassALabel", group), 0, 0);
    grid->addWidget(panLabel(colorado, "task6ColoradoLabel", group), 1, 0);
    pans_[0] = makeRadio("green fetch", "task6ClassAGreen", classA + " green fetch", group);
    pans_[1] = makeRadio("dry fetch", "task6ClassADry", classA + " dry fetch", group);
    pans_[2] = makeRadio("green fetch", "task6ColoradoGreen", colorado + " green fetch", group);
    pans_[3] = makeRadio("dry fetch", "task6ColoradoDry", colorado + " dry fetch", group);
    pans_[4] = makeRadio("Pan type and site conditions unknown", "task6UnknownPan",
                         "Pan type and site conditions unknown", group);
    grid->addWidget(pans_[0], 0, 1);
    grid->addWidget(pans_[1], 0, 2);
    grid->addWidget(pans_[2], 1, 1);
    grid->addWidget(pans_[3], 1, 2);
    grid->addWidget(pans_[4], 2, 0, 1, 3);
    LabelledField fetch = makeField("Fetch (m)", "task6Fetch", group);
    fetch_ = fetch.edit;
    fetch_->setText("1000");
    fetch_->setMaximumWidth(90);
    grid->addWidget(fetch.label, 3, 0, Qt::AlignRight);
    grid->addWidget(fetch_, 3, 1);
    grid->setColumnStretch(3, 1);
    pans_[0]->setChecked(true);
    layout->addWidget(group);
    layout->addStretch(1);

    connect(pans_[4], &QRadioButton::toggled, fetch_,
            [this](bool unknown) { fetch_->setEnabled(!unknown); });
    connect(help_, &QPushButton::clicked, this, [this] { emit helpRequested(helpTopic); });
}

void Task6Page::readInto(EstimationSettings& settings) const {
    settings.fetch = fetch_->text().toStdString();
    for (int k = 0; k < 5; ++k)
        if (pans_[k]->isChecked())
            settings.panKind = k + 1;
}

void Task6Page::writeFrom(const EstimationSettings& settings) {
    fetch_->setText(QString::fromStdString(settings.fetch));
    const int kind = settings.panKind >= 1 && settings.panKind <= 5 ? settings.panKind : 1;
    pans_[kind - 1]->setChecked(true);
}

} // namespace climora
