#pragma once

#include "pipeline/TaskContext.h"

#include <string>

namespace climora {

// What an estimating task computes, row by row.
class RowEstimator {
  public:
    virtual ~RowEstimator() = default;
    // The row's estimate. A problem that ends the task (a missing date, no
    // sunshine column) is returned through `failure`; the value is then unused.
    virtual double estimate(const WeatherRecord& record, std::string& failure) = 0;
    // The first line's text, in appended-column or in convert mode; known
    // once the pass is over.
    virtual std::string description(bool convert) const = 0;
    // Whether the description is known before the first row.
    virtual bool describedBeforeRows() const { return true; }
};

// How an estimate is written and where the conversion takes it from.
struct EstimateKind {
    int decimals;         // in Out.~
    int variable;         // Solar or ET
    const char* unitText; // the variable's unit during the conversion
};

inline constexpr EstimateKind solarEstimate{2, Solar, "MJ/m2/d"};
inline constexpr EstimateKind evapotranspirationEstimate{1, ET, "mm"};

inline constexpr const char* notFiniteText =
    "An estimate is not a finite number. Check the input data and try again.";

// The shared run of tasks 4 to 7: one estimate per data row of Input.~ into
// Out.~ (the pass ends at the first row whose first value is 0), then
// Output.~: the rows with the estimate appended, or, in convert mode, the
// Agrovia conversion with the estimates in their column. A count of 0 header
// lines becomes 1 (the description line). A failure is reported once, sets
// the abort flag and leaves Output.~ alone.
void runEstimation(TaskContext& context, RowEstimator& estimator, const EstimateKind& kind);

} // namespace climora
