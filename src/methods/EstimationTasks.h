#pragma once

#include "methods/EstimationRun.h"
#include "pipeline/TaskContext.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace climora {

// The four estimating tasks. Each reads its page's settings, checks them,
// runs the shared estimation run and reports its own problems (abort flag
// set). A page field that is not a number throws FieldValueError.
// prepareX does the first part: the checks and the task's estimator, or
// nothing after a reported problem.
std::unique_ptr<RowEstimator> prepareSolarFromTemp(TaskContext& context);
std::unique_ptr<RowEstimator> prepareSolarFromSunShineHr(TaskContext& context);
std::unique_ptr<RowEstimator> prepareEtFromEvap(TaskContext& context);
std::unique_ptr<RowEstimator> preparePenmanMonteith(TaskContext& context);

// Task 4: solar radiation from T-max and T-min.
void estimateSolarFromTemp(TaskContext& context);
// Task 5: solar radiation from sunshine hours or percentage.
void estimateSolarFromSunShineHr(TaskContext& context);
// Task 6: reference ET from pan evaporation.
void ET_from_Evap(TaskContext& context);
// Task 7: reference ET by Penman-Monteith; by default the alfalfa reference
// as 1.3 x the FAO grass ET0, else the chosen published reference. The wind
// is brought to 2 m when measured at another height.
void ET_by_PM(TaskContext& context);

// The method a task 7 description names for a reference.
std::string referenceMethodText(EtReference reference);
// A wind measurement height in metres: a number above 0.5, else nothing.
std::optional<double> windHeightOf(std::string_view text);
inline constexpr const char* windHeightText =
    "The wind measurement height must be a number of metres above 0.5.";

// Degrees Celsius from a temperature in the unit of the T-max column: "oC"
// as it is, anything else taken as degrees Fahrenheit.
double celsiusFrom(double value, bool celsius);

} // namespace climora
