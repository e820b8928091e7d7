#include "methods/EstimationRun.h"
#include "methods/EstimationTasks.h"
#include "methods/FieldNumbers.h"
#include "methods/PanEvaporation.h"
#include "pipeline/UnitFactors.h"

namespace climora {

namespace {

class PanEstimator : public RowEstimator {
  public:
    PanEstimator(int kind, double fetch, std::string fetchText, double waterFactor,
                 double windFactor)
        : kind_(kind), fetch_(fetch), fetchText_(std::move(fetchText)), waterFactor_(waterFactor),
          windFactor_(windFactor) {}

    double estimate(const WeatherRecord& record, std::string&) override {
        const double panEvaporation = record.value(PanEvap) * waterFactor_;
        const double windSpeed = record.value(WndSpd) * windFactor_;
        return panEvaporation *
               panCoefficientOfKind(kind_, fetch_, record.value(RelHum), windSpeed);
    }
    std::string description(bool convert) const override {
        return panDescription(kind_, fetchText_, convert);
    }

  private:
    int kind_;
    double fetch_;
    std::string fetchText_;
    double waterFactor_;
    double windFactor_;
};

} // namespace

std::unique_ptr<RowEstimator> prepareEtFromEvap(TaskContext& context) {
    if (!testData(context.spec, context.messenger)) {
        context.state.abort = true;
        return nullptr;
    }
    const std::string& fetchText = context.settings.fetch;
    const double fetch =
        fetchText.empty() ? unknownPanFetch : static_cast<double>(readIntegerField(fetchText));
    return std::make_unique<PanEstimator>(context.settings.panKind, fetch, fetchText,
                                          conversionUnitForWater(context.spec.unitOf(PanEvap)),
                                          conversionUnitWS(context.spec.unitOf(WndSpd)));
}

void ET_from_Evap(TaskContext& context) {
    if (std::unique_ptr<RowEstimator> estimator = prepareEtFromEvap(context))
        runEstimation(context, *estimator, evapotranspirationEstimate);
}

} // namespace climora
