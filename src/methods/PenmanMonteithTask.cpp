#include "input/SiteLimits.h"
#include "methods/EstimationRun.h"
#include "methods/EstimationTasks.h"
#include "methods/FieldNumbers.h"
#include "methods/PenmanMonteith.h"
#include "methods/RowDate.h"
#include "pipeline/UnitFactors.h"

namespace climora {

namespace {

class PenmanMonteithEstimator : public RowEstimator {
  public:
    PenmanMonteithEstimator(double latitude, double elevation, const ColumnSpec& spec)
        : site_(penmanMonteithSite(elevation)), days_(latitude, angstromConstantsOf(0)),
          solarFactor_(conversionUnitSolar(spec.unitOf(Solar))),
          windFactor_(conversionUnitWS(spec.unitOf(WndSpd))), celsius_(spec.unitOf(TMax) == "oC") {}

    double estimate(const WeatherRecord& record, std::string& failure) override {
        // The data checkup has refused rows without a date before the task.
        std::optional<int> dayOfYear = rowDayOfYear(record);
        if (!dayOfYear) {
            failure = dateMissingText;
            return 0;
        }
        PenmanMonteithWeather weather;
        weather.rs = record.value(Solar) * solarFactor_;
        weather.windSpeed = record.value(WndSpd) * windFactor_;
        weather.tMax = celsiusFrom(record.value(TMax), celsius_);
        weather.tMin = celsiusFrom(record.value(TMin), celsius_);
        weather.relativeHumidity = record.value(RelHum);
        return penmanMonteithDay(site_, days_.of(*dayOfYear), weather).etr;
    }
    std::string description(bool convert) const override {
        return convert ? penmanMonteithConvertText : penmanMonteithAppendedText;
    }

  private:
    PenmanMonteithSite site_;
    DayGeometryCache days_;
    double solarFactor_;
    double windFactor_;
    bool celsius_;
};

} // namespace

void ET_by_PM(TaskContext& context) {
    const EstimationSettings& settings = context.settings;
    if (settings.task7Latitude.empty() || settings.elevation.empty()) {
        context.messenger.reportError("Latitude or altitude is not given.");
        context.state.abort = true;
        return;
    }
    const double latitude = readRealField(settings.task7Latitude);
    const double elevation = readRealField(settings.elevation);
    const char* outOfRange = !isPossibleLatitude(latitude)     ? latitudeOutOfRangeText
                             : !isPossibleElevation(elevation) ? elevationOutOfRangeText
                                                               : nullptr;
    if (outOfRange) {
        context.messenger.reportError(outOfRange);
        context.state.abort = true;
        return;
    }
    PenmanMonteithEstimator estimator(latitudeInRadians(latitude), elevation, context.spec);
    runEstimation(context, estimator, evapotranspirationEstimate);
}

} // namespace climora
