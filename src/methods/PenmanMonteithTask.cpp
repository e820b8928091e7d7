#include "base/NumberText.h"
#include "input/SiteLimits.h"
#include "methods/EstimationRun.h"
#include "methods/EstimationTasks.h"
#include "methods/FieldNumbers.h"
#include "methods/PenmanMonteith.h"
#include "methods/ReferenceEt.h"
#include "methods/RowDate.h"
#include "pipeline/UnitFactors.h"

#include <cmath>

namespace climora {

namespace {

class PenmanMonteithEstimator : public RowEstimator {
  public:
    PenmanMonteithEstimator(double latitude, double elevation, double windHeight,
                            const ColumnSpec& spec)
        : site_(penmanMonteithSite(elevation)), days_(latitude, angstromConstantsOf(0)),
          windHeight_(windHeight), solarFactor_(conversionUnitSolar(spec.unitOf(Solar))),
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
        if (windHeight_ != 2)
            weather.windSpeed = windAtTwoMetres(weather.windSpeed, windHeight_);
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
    double windHeight_;
    double solarFactor_;
    double windFactor_;
    bool celsius_;
};

// The published daily references, humidity from the mean relative humidity.
class ReferenceEstimator : public RowEstimator {
  public:
    ReferenceEstimator(EtReference reference, ReferenceSite site, double windHeight,
                       const ColumnSpec& spec)
        : reference_(reference), site_(site), windHeight_(windHeight),
          solarFactor_(conversionUnitSolar(spec.unitOf(Solar))),
          windFactor_(conversionUnitWS(spec.unitOf(WndSpd))), celsius_(spec.unitOf(TMax) == "oC"),
          dewPointCelsius_(spec.unitOf(Dewpoint) == "oC") {}

    double estimate(const WeatherRecord& record, std::string& failure) override {
        std::optional<int> dayOfYear = rowDayOfYear(record);
        if (!dayOfYear) {
            failure = dateMissingText;
            return 0;
        }
        ReferenceWeather weather;
        weather.solar = record.value(Solar) * solarFactor_;
        weather.maxTemperature = celsiusFrom(record.value(TMax), celsius_);
        weather.minTemperature = celsiusFrom(record.value(TMin), celsius_);
        weather.windSpeed = windAtTwoMetres(record.value(WndSpd) * windFactor_, windHeight_);
        weather.vapourPressure = actualVapourPressure(record, weather);
        return referenceEtDay(surfaceOf(reference_), site_, *dayOfYear, weather).et;
    }
    std::string description(bool convert) const override {
        std::string method = referenceMethodText(reference_);
        return convert ? "Reference ET estimated by " + method + "."
                       : "Reference ET (last column, mm) estimated by " + method + ".";
    }

  private:
    // From the dew point when the run has a dew-point column, else from the
    // mean relative humidity and the day's saturation vapour pressure.
    double actualVapourPressure(const WeatherRecord& record,
                                const ReferenceWeather& weather) const {
        if (record.has(Dewpoint))
            return vapourPressureFromDewPoint(
                celsiusFrom(record.value(Dewpoint), dewPointCelsius_));
        double saturation =
            (vapourPressureAt(weather.maxTemperature) + vapourPressureAt(weather.minTemperature)) /
            2;
        return record.value(RelHum) / 100 * saturation;
    }

    static ReferenceSurface surfaceOf(EtReference reference) {
        if (reference == EtReference::AsceShort)
            return ReferenceSurface::AsceShort;
        return reference == EtReference::AsceTall ? ReferenceSurface::AsceTall
                                                  : ReferenceSurface::FaoGrass;
    }

    EtReference reference_;
    ReferenceSite site_;
    double windHeight_;
    double solarFactor_;
    double windFactor_;
    bool celsius_;
    bool dewPointCelsius_;
};

} // namespace

std::string referenceMethodText(EtReference reference) {
    switch (reference) {
    case EtReference::Grass:
        return "FAO-56 Penman-Monteith, grass reference ET0";
    case EtReference::AsceShort:
        return "ASCE standardized Penman-Monteith, short reference ETos";
    case EtReference::AsceTall:
        return "ASCE standardized Penman-Monteith, tall reference ETrs";
    default:
        return "FAO Penman-Monteith method";
    }
}

std::optional<double> windHeightOf(std::string_view text) {
    std::optional<double> height = parseNumber(trimBlanks(text));
    if (!height || !(*height > lowestWindHeight) || !std::isfinite(*height))
        return std::nullopt;
    return height;
}

std::unique_ptr<RowEstimator> preparePenmanMonteith(TaskContext& context) {
    const EstimationSettings& settings = context.settings;
    if (settings.task7Latitude.empty() || settings.elevation.empty()) {
        context.messenger.reportError("Latitude or altitude is not given.");
        context.state.abort = true;
        return nullptr;
    }
    const double latitude = readRealField(settings.task7Latitude);
    const double elevation = readRealField(settings.elevation);
    const char* outOfRange = !isPossibleLatitude(latitude)     ? latitudeOutOfRangeText
                             : !isPossibleElevation(elevation) ? elevationOutOfRangeText
                                                               : nullptr;
    if (outOfRange) {
        context.messenger.reportError(outOfRange);
        context.state.abort = true;
        return nullptr;
    }
    std::optional<double> windHeight = windHeightOf(settings.windHeight);
    if (!windHeight) {
        context.messenger.reportError(windHeightText);
        context.state.abort = true;
        return nullptr;
    }
    if (settings.reference != EtReference::Alfalfa)
        return std::make_unique<ReferenceEstimator>(
            settings.reference, ReferenceSite{latitude, elevation}, *windHeight, context.spec);
    return std::make_unique<PenmanMonteithEstimator>(latitudeInRadians(latitude), elevation,
                                                     *windHeight, context.spec);
}

void ET_by_PM(TaskContext& context) {
    if (std::unique_ptr<RowEstimator> estimator = preparePenmanMonteith(context))
        runEstimation(context, *estimator, evapotranspirationEstimate);
}

} // namespace climora
