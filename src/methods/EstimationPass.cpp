#include "methods/EstimationPass.h"

#include "input/Task.h"
#include "methods/EstimationAssembly.h"
#include "methods/EstimationTasks.h"
#include "pipeline/ConversionPass.h"
#include "pipeline/FixedText.h"
#include "pipeline/NumberReader.h"
#include "pipeline/RowParser.h"

#include <cmath>

namespace climora {
namespace {

// Tells whether anything was said, and says nothing.
class QuietMessenger : public Messenger {
  public:
    bool spoke = false;
    void tone(Tone) override { spoke = true; }
    void error(const std::string&) override { spoke = true; }
    void warning(const std::string&) override { spoke = true; }
    void information(const std::string&) override { spoke = true; }
    void plain(const std::string&) override { spoke = true; }
    bool confirm(const std::string&) override {
        spoke = true;
        return false;
    }
};

std::unique_ptr<RowEstimator> prepareEstimator(TaskContext& context) {
    switch (context.state.task) {
    case task::solarFromTemperature:
        return prepareSolarFromTemp(context);
    case task::solarFromSunshine:
        return prepareSolarFromSunShineHr(context);
    case task::etFromPan:
        return prepareEtFromEvap(context);
    case task::etPenmanMonteith:
        return preparePenmanMonteith(context);
    default:
        return nullptr;
    }
}

const EstimateKind& estimateKindOf(int task) {
    return taskTraits(task).estimatedVariable == Solar ? solarEstimate : evapotranspirationEstimate;
}

// The conversion's units once the estimate has taken its column.
ConversionFactors factorsWithEstimate(const ColumnSpec& spec, const EstimateKind& kind) {
    ColumnSpec converted = spec;
    converted.unitTexts[kind.variable - firstMeasured] = kind.unitText;
    return conversionFactorsOf(converted);
}

} // namespace

std::unique_ptr<RowEstimator> estimatorBeforeRows(const TaskContext& context) {
    RunState state = context.state;
    WeatherRecord record;
    QuietMessenger quiet;
    TaskContext quietContext{
        context.work,     state,         context.spec,      record, quiet, context.gauge,
        context.settings, context.panel, context.inputName, {},     {},    {}};
    std::unique_ptr<RowEstimator> estimator;
    try {
        estimator = prepareEstimator(quietContext);
    } catch (const std::exception&) {
        return nullptr; // the task reports it at its turn
    }
    if (!estimator || quiet.spoke || state.abort || !estimator->describedBeforeRows())
        return nullptr;
    return estimator;
}

EstimationPass::EstimationPass(TaskContext& context, std::unique_ptr<RowEstimator> estimator)
    : context_(context), estimator_(std::move(estimator)),
      kind_(estimateKindOf(context.state.task)), file_(context.work.file(temporary::conversion)),
      converted_(context, factorsWithEstimate(context.spec, kind_), file_.writer()) {
    if (context.state.keepsWorkFiles)
        estimates_.emplace(context.work.file(temporary::estimates));
}

EstimationPass::~EstimationPass() = default;

// The header the conversion reads from Input.~ once the description has
// been put before its first line (or, without header lines, as the title).
void EstimationPass::beginRows(const std::vector<std::string>& headerLines) {
    TextLineWriter& output = file_.writer();
    std::string description = estimator_->description(true);
    long long rows = context_.state.rowsBeforeData;
    if (rows <= 0)
        output.line(description);
    for (long long k = 0; k < rows; ++k) {
        std::string line = k < static_cast<long long>(headerLines.size())
                               ? headerLines[static_cast<std::size_t>(k)]
                               : std::string();
        output.line(k == 0 ? description + line : line);
    }
    output.line(agroviaColumnNames);
    output.line(agroviaUnits);
}

// Each row's estimate goes into the row's conversion as its text reads; the
// estimates go on after a row without a date has stopped the conversion.
void EstimationPass::addRow(const double* values) {
    if (!failure_.empty())
        return;
    try {
        for (int k = 1; k <= context_.spec.columnCount; ++k)
            assignValue(context_.spec, record_, k, values[k - 1]);
    } catch (const InvalidNumericInput&) {
        return; // the checkup, which reads the same rows, stops the run
    }
    std::string text;
    if (!estimate(text))
        return;
    ++estimated_;
    if (estimates_)
        estimates_->line(text);
    WeatherRecord converted = record_;
    converted.value(kind_.variable) = tokenValue(text);
    converted_.add(converted);
}

bool EstimationPass::estimate(std::string& text) {
    double value = estimator_->estimate(record_, failure_);
    if (failure_.empty() && !std::isfinite(value))
        failure_ = notFiniteText;
    if (!failure_.empty())
        return false;
    appendFixed(text, value, kind_.decimals);
    return true;
}

void EstimationPass::finish() {
    file_.close();
    if (estimates_)
        estimates_->close();
}

void EstimationPass::complete() {
    for (long i = 0; i < estimated_; ++i)
        context_.gauge.step();
    if (!failure_.empty()) {
        context_.messenger.reportError(failure_);
        context_.state.abort = true;
        return;
    }
    assembleConversionInput(context_.work, context_.state.rowsBeforeData,
                            estimator_->description(true));
    context_.spec.unitTexts[kind_.variable - firstMeasured] = kind_.unitText;
    completeConversion(context_, file_, converted_);
}

} // namespace climora
