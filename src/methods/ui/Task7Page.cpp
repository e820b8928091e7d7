#include "methods/ui/Task7Page.h"

#include "methods/ui/PageParts.h"

#include <QComboBox>
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
    addReferenceGroup(layout);
    layout->addStretch(1);
}

// The reference and the wind's height; the first item is the default method.
void Task7Page::addReferenceGroup(QVBoxLayout* layout) {
    auto* group = new QGroupBox("Reference", this);
    group->setObjectName("task7ReferenceGroup");
    group->setAccessibleName("Reference");
    auto* form = new QFormLayout(group);
    reference_ = new QComboBox(group);
    reference_->setObjectName("task7Reference");
    reference_->setAccessibleName("Reference surface");
    reference_->addItems({"FAO Penman-Monteith, alfalfa = 1.3 \u00d7 ET0", "FAO-56 grass ET0",
                          "ASCE short (ETos)", "ASCE tall (ETrs)"});
    auto* referenceLabel = new QLabel("Reference", group);
    referenceLabel->setBuddy(reference_);
    LabelledField wind = makeField("Wind measured at, m", "task7WindHeight", group);
    windHeight_ = wind.edit;
    windHeight_->setMaximumWidth(90);
    windHeight_->setText("2");
    form->addRow(referenceLabel, reference_);
    form->addRow(wind.label, windHeight_);
    layout->addWidget(group);
}

void Task7Page::readInto(EstimationSettings& settings) const {
    settings.task7Latitude = latitude_->text().toStdString();
    settings.elevation = elevation_->text().toStdString();
    settings.reference = static_cast<EtReference>(reference_->currentIndex());
    settings.windHeight = windHeight_->text().toStdString();
}

void Task7Page::writeFrom(const EstimationSettings& settings) {
    latitude_->setText(QString::fromStdString(settings.task7Latitude));
    elevation_->setText(QString::fromStdString(settings.elevation));
    reference_->setCurrentIndex(static_cast<int>(settings.reference));
    windHeight_->setText(QString::fromStdString(settings.windHeight));
}

} // namespace climora
