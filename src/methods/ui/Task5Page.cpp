#include "methods/ui/Task5Page.h"

#include "methods/ui/PageParts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace climora {

Task5Page::Task5Page(QWidget* parent) : EstimationPage(parent) {
    setObjectName("Task5");
    setAccessibleName("Estimate solar radiation from sunshine hours or percentage");
    auto* layout = new QVBoxLayout(this);
    addRequirements(layout, "This method requires:", {"Sunshine hours or sunshine percentage"},
                    "task5");

    auto* latitudeGroup = new QGroupBox("Latitude", this);
    latitudeGroup->setObjectName("task5LatitudeGroup");
    latitudeGroup->setAccessibleName("Latitude");
    auto* latitudeRow = new QHBoxLayout(latitudeGroup);
    latitude_ = new QLineEdit(latitudeGroup);
    latitude_->setObjectName("task5Latitude");
    latitude_->setAccessibleName("Latitude");
    latitude_->setMaximumWidth(90);
    latitudeRow->addWidget(latitude_);
    latitudeRow->addStretch(1);
    layout->addWidget(latitudeGroup);

    auto* zoneGroup = new QGroupBox("Climate zone", this);
    zoneGroup->setObjectName("task5ZoneGroup");
    zoneGroup->setAccessibleName("Climate zone");
    auto* zoneColumn = new QVBoxLayout(zoneGroup);
    const char* captions[3] = {"Cold / temperate regions", "Dry tropical regions",
                               "Humid tropical regions"};
    const char* names[3] = {"task5ColdTemperate", "task5DryTropical", "task5HumidTropical"};
    for (int k = 0; k < 3; ++k) {
        zones_[k] = makeRadio(captions[k], names[k], captions[k], zoneGroup);
        zoneColumn->addWidget(zones_[k]);
    }
    zones_[0]->setChecked(true);
    layout->addWidget(zoneGroup);
    layout->addStretch(1);
}

void Task5Page::readInto(EstimationSettings& settings) const {
    settings.task5Latitude = latitude_->text().toStdString();
    for (int k = 0; k < 3; ++k)
        if (zones_[k]->isChecked())
            settings.climateZone = k + 1;
}

void Task5Page::writeFrom(const EstimationSettings& settings) {
    latitude_->setText(QString::fromStdString(settings.task5Latitude));
    const int zone =
        settings.climateZone >= 1 && settings.climateZone <= 3 ? settings.climateZone : 1;
    zones_[zone - 1]->setChecked(true);
}

} // namespace climora
