#include "methods/ui/Task7Page.h"

#include "methods/ui/PageParts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace climora {

Task7Page::Task7Page(QWidget* parent) : EstimationPage(parent) {
    setObjectName("task7");
    setAccessibleName("Estimate alfalfa-referenced ETr usingFAO Penman-Monteith method");
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4); // the reference and wind lines fit a 700-pixel window
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
    addWindHeight(layout);
    addReferenceChoice(layout);
    layout->addWidget(group);
    layout->addStretch(1);
}

// "Wind speed, measured at [2] m" on the requirement's own line.
void Task7Page::addWindHeight(QVBoxLayout* layout) {
    auto* windSpeed = findChild<QLabel*>("task7Requirement4");
    int index = layout->indexOf(windSpeed);
    layout->removeWidget(windSpeed);
    LabelledField wind = makeField("measured at", "task7WindHeight", this);
    wind.edit->setAccessibleName("Wind measured at, m");
    windHeight_ = wind.edit;
    windHeight_->setText("2");
    windHeight_->setMaximumWidth(50);
    auto* metres = new QLabel("m", this);
    metres->setObjectName("task7WindHeightUnit");
    metres->setAccessibleName("m");
    auto* line = new QHBoxLayout;
    line->addWidget(windSpeed);
    line->addWidget(wind.label);
    line->addWidget(windHeight_);
    line->addWidget(metres);
    line->addStretch(1);
    layout->insertLayout(index, line);
}

// The reference surface, a line of its own so that its items show whole;
// the first item is the default method.
void Task7Page::addReferenceChoice(QVBoxLayout* layout) {
    reference_ = new QComboBox(this);
    reference_->setObjectName("task7Reference");
    reference_->setAccessibleName("Reference");
    reference_->addItems({"FAO Penman-Monteith, alfalfa = 1.3 \u00d7 ET0", "FAO-56 grass ET0",
                          "ASCE short (ETos)", "ASCE tall (ETrs)"});
    reference_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layout->addWidget(reference_);
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
