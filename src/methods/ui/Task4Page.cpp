#include "methods/ui/Task4Page.h"

#include "methods/ui/PageParts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace climora {

Task4Page::Task4Page(QWidget* parent) : EstimationPage(parent) {
    setObjectName("task4");
    setAccessibleName("Estimate solar radiation from temperature");
    auto* layout = new QVBoxLayout(this);
    addRequirements(layout, "This method requires:", {"Daily T-max and T-min"}, "task4");

    auto* latitudeGroup = new QGroupBox("Latitude", this);
    latitudeGroup->setObjectName("task4LatitudeGroup");
    latitudeGroup->setAccessibleName("Latitude");
    auto* latitudeRow = new QHBoxLayout(latitudeGroup);
    latitude_ = new QLineEdit(latitudeGroup);
    latitude_->setObjectName("task4Latitude");
    latitude_->setAccessibleName("Latitude");
    latitude_->setMaximumWidth(90);
    auto* hint = new QLabel("Use a negative value for southern hemisphere", latitudeGroup);
    hint->setObjectName("task4LatitudeHint");
    hint->setAccessibleName(hint->text());
    latitude_->setAccessibleDescription(hint->text());
    latitudeRow->addWidget(latitude_);
    latitudeRow->addWidget(hint, 1);
    layout->addWidget(latitudeGroup);

    auto* regionGroup = new QGroupBox("Region", this);
    regionGroup->setObjectName("task4RegionGroup");
    regionGroup->setAccessibleName("Region");
    auto* regionColumn = new QVBoxLayout(regionGroup);
    const char* captions[3] = {"Mid-West of USA", "General continental regions",
                               "General coastal regions"};
    const char* names[3] = {"task4MidWest", "task4Continental", "task4Coastal"};
    for (int k = 0; k < 3; ++k) {
        regions_[k] = makeRadio(captions[k], names[k], captions[k], regionGroup);
        regionColumn->addWidget(regions_[k]);
    }
    regions_[0]->setChecked(true);
    layout->addWidget(regionGroup);
    layout->addStretch(1);
}

void Task4Page::readInto(EstimationSettings& settings) const {
    settings.task4Latitude = latitude_->text().toStdString();
    for (int k = 0; k < 3; ++k)
        if (regions_[k]->isChecked())
            settings.solarRegion = k + 1;
}

void Task4Page::writeFrom(const EstimationSettings& settings) {
    latitude_->setText(QString::fromStdString(settings.task4Latitude));
    const int region =
        settings.solarRegion >= 1 && settings.solarRegion <= 3 ? settings.solarRegion : 1;
    regions_[region - 1]->setChecked(true);
}

} // namespace climora
