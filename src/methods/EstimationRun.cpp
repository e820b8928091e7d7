#include "methods/EstimationRun.h"

#include "base/TextFile.h"
#include "methods/EstimationAssembly.h"
#include "pipeline/Conversion.h"
#include "pipeline/DataRows.h"
#include "pipeline/FixedText.h"

#include <cmath>

namespace climora {

namespace {

// The pass over the data rows; false when it stopped on a reported problem.
bool estimateRows(TaskContext& context, RowEstimator& estimator, int decimals) {
    DataRows rows(context, DataRows::Mode::Replay);
    TextLineWriter out(context.work.file(temporary::estimates));
    std::string failure;
    std::string line;
    while (rows.next()) {
        double value = estimator.estimate(context.record, failure);
        if (failure.empty() && !std::isfinite(value))
            failure = notFiniteText;
        if (!failure.empty()) {
            out.close();
            context.messenger.reportError(failure);
            context.state.abort = true;
            return false;
        }
        line.clear();
        appendFixed(line, value, decimals);
        out.line(line);
        context.gauge.step();
    }
    out.close();
    return true;
}

} // namespace

void runEstimation(TaskContext& context, RowEstimator& estimator, const EstimateKind& kind) {
    if (!estimateRows(context, estimator, kind.decimals))
        return;
    long long& rows = context.state.rowsBeforeData;
    if (!context.state.convertAndRearrange) {
        assembleAppendedColumn(context.work, rows, estimator.description(false));
        return;
    }
    assembleConversionInput(context.work, rows, estimator.description(true));
    context.spec.unitTexts[kind.variable - firstMeasured] = kind.unitText;
    convertRearrange(context);
}

} // namespace climora
