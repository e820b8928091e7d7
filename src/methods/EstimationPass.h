#pragma once

#include "base/PendingFile.h"
#include "base/TextFile.h"
#include "methods/EstimationRun.h"
#include "pipeline/Conversion.h"
#include "pipeline/RowSink.h"
#include "pipeline/TaskContext.h"

#include <memory>
#include <optional>
#include <string>

namespace climora {

// The estimator of the context's estimating task when it can be made before
// the rows are read without a word: its checks pass, and its description
// does not wait for the rows. Nothing is said, whatever the outcome.
std::unique_ptr<RowEstimator> estimatorBeforeRows(const TaskContext& context);

// An estimating task converting to the Agrovia layout, done while the
// extraction reads the rows: one estimate per row (kept in Out.~ when the
// run keeps its work files) goes straight into the row's conversion. It says
// nothing until complete(): the conversion stays Convert.~ until then, and
// the gauge steps wait. A pass that is never completed leaves no file.
class EstimationPass : public RowSink {
  public:
    EstimationPass(TaskContext& context, std::unique_ptr<RowEstimator> estimator);
    ~EstimationPass() override;
    EstimationPass(const EstimationPass&) = delete;
    EstimationPass& operator=(const EstimationPass&) = delete;

    void beginRows(const std::vector<std::string>& headerLines) override;
    void addRow(const double* values) override;
    void endAtUnreadable() override {}
    void finish() override;

    // Reports what the estimation and the conversion found, as the task's
    // run reports it, and leaves the work files as it leaves them.
    void complete();

  private:
    bool estimate(std::string& text);

    TaskContext& context_;
    std::unique_ptr<RowEstimator> estimator_;
    EstimateKind kind_;
    PendingFile file_;
    ConvertedRows converted_;
    std::optional<TextLineWriter> estimates_;
    WeatherRecord record_;
    std::string failure_;
    long estimated_ = 0;
};

} // namespace climora
