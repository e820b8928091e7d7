#include "methods/ui/Task7Page.h"

#include "methods/ui/PageParts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace climora {

Task7Page::Task7Page(QWidget* parent) : EstimationPage(parent) {
    setObjectName("task7");
    setAccessibleName("Estimate alfalfa-referenced ETr usingFAO Penman-Monteith method");
    auto* layout = new QVBoxLayout(this);
    addRequirements(layout, "Estimation of reference ET by FAO Penman-Monteith method requires:",
                    {"Solar radiation", "Maximum and minimum temperature",
                     "Relative humidity of the air", "Wind speed"},
                    "task7");

    auto* group = new QGroupBox("Location", this);
    group->setObjectName("task7LocationGroup");
    group->setAccessibleName("Location");
    auto* form = new QFormLayout(group);
    LabelledField latitude = makeField("Latitude, decimal degree", "task7Latitude", group);
    LabelledField elevation = makeField("Elevation, meter", "task7Elevation", group);
    latitude_ = latitude.edit;
    elevation_ = elevation.edit;
    latitude_->setMaximumWidth(90);
    elevation_->setMaximumWidth(90);
    form->addRow(latitude.label, latitude_);
    form->addRow(elevation.label, elevation_);
    layout->addWidget(group);
    layout->addStretch(1);
}

void Task7Page::readInto(EstimationSettings& settings) const {
    settings.task7Latitude = latitude_->text().toStdString();
    settings.elevation = elevation_->text().toStdString();
}

void Task7Page::writeFrom(const EstimationSettings& settings) {
    latitude_->setText(QString::fromStdString(settings.task7Latitude));
    elevation_->setText(QString::fromStdString(settings.elevation));
}

} // namespace climora
