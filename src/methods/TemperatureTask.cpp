#include "methods/EstimationRun.h"
#include "methods/EstimationTasks.h"
#include "methods/FieldNumbers.h"
#include "methods/RowDate.h"
#include "methods/SolarFromTemperature.h"

namespace climora {

namespace {

class TemperatureEstimator : public RowEstimator {
  public:
    TemperatureEstimator(double latitude, int region, bool celsius)
        : days_(latitude, angstromConstantsOf(0)), region_(region), celsius_(celsius) {}

    double estimate(const WeatherRecord& record, std::string& failure) override {
        std::optional<int> dayOfYear = rowDayOfYear(record);
        if (!dayOfYear) {
            failure = dateMissingText;
            return 0;
        }
        return solarFromTemperature(region_, *dayOfYear, days_.of(*dayOfYear),
                                    celsiusFrom(record.value(TMax), celsius_),
                                    celsiusFrom(record.value(TMin), celsius_));
    }
    std::string description(bool convert) const override {
        return solarFromTemperatureDescription(region_, convert);
    }

  private:
    DayGeometryCache days_;
    int region_;
    bool celsius_;
};

} // namespace

double celsiusFrom(double value, bool celsius) {
    return celsius ? value : (value - 32) / 1.8;
}

std::unique_ptr<RowEstimator> prepareSolarFromTemp(TaskContext& context) {
    const double latitude = readRealField(context.settings.task4Latitude);
    const int region = context.settings.solarRegion;
    if (region == MidWestUsa && latitude < 0) {
        context.messenger.tone(Tone::Error);
        context.messenger.plain("A positive latitude value must be used for this region");
        context.state.abort = true;
        return nullptr;
    }
    return std::make_unique<TemperatureEstimator>(latitudeInRadians(latitude), region,
                                                  context.spec.unitOf(TMax) == "oC");
}

void estimateSolarFromTemp(TaskContext& context) {
    if (std::unique_ptr<RowEstimator> estimator = prepareSolarFromTemp(context))
        runEstimation(context, *estimator, solarEstimate);
}

} // namespace climora
