#include "methods/EstimationRun.h"
#include "methods/EstimationTasks.h"
#include "methods/FieldNumbers.h"
#include "methods/RowDate.h"
#include "methods/SolarFromSunshine.h"

#include <optional>

namespace climora {

namespace {

class SunshineEstimator : public RowEstimator {
  public:
    SunshineEstimator(double latitude, int zone)
        : angstrom_(angstromConstantsOf(zone)), days_(latitude, angstrom_), zone_(zone) {}

    double estimate(const WeatherRecord& record, std::string& failure) override {
        if (!mode_ && !(mode_ = modeOf(record))) {
            failure = "Data of sunshine hour or percentage are not specified";
            return 0;
        }
        std::optional<int> dayOfYear = rowDayOfYear(record);
        if (!dayOfYear) {
            failure = dateMissingText;
            return 0;
        }
        const double sunshine =
            *mode_ == SunshineMode::Hours ? record.value(SunHr) : record.value(SunHrPercent);
        return angstromSolar(*mode_, sunshine, angstrom_, days_.of(*dayOfYear));
    }
    std::string description(bool convert) const override {
        return sunshineDescription(mode_.value_or(SunshineMode::Hours), zone_, convert);
    }
    bool describedBeforeRows() const override { return false; } // the first row decides

  private:
    // Decided on the first row: a variable without a column still holds the
    // -1 it was given before the pass.
    static std::optional<SunshineMode> modeOf(const WeatherRecord& record) {
        if (record.value(SunHr) >= 0)
            return SunshineMode::Hours;
        if (record.value(SunHrPercent) >= 0)
            return SunshineMode::Percentage;
        return std::nullopt;
    }

    AngstromCoefficients angstrom_;
    DayGeometryCache days_;
    int zone_;
    std::optional<SunshineMode> mode_;
};

} // namespace

std::unique_ptr<RowEstimator> prepareSolarFromSunShineHr(TaskContext& context) {
    const double latitude = readRealField(context.settings.task5Latitude);
    const int zone = context.settings.climateZone;
    context.record.value(SunHr) = -1;
    context.record.value(SunHrPercent) = -1;
    return std::make_unique<SunshineEstimator>(latitudeInRadians(latitude), zone);
}

void estimateSolarFromSunShineHr(TaskContext& context) {
    std::unique_ptr<RowEstimator> estimator = prepareSolarFromSunShineHr(context);
    runEstimation(context, *estimator, solarEstimate);
}

} // namespace climora
