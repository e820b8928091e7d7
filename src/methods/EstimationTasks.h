#pragma once

#include "pipeline/TaskContext.h"

namespace climora {

// The four estimating tasks. Each reads its page's settings, checks them,
// runs the shared estimation run and reports its own problems (abort flag
// set). A page field that is not a number throws FieldValueError.

// Task 4: solar radiation from T-max and T-min.
void estimateSolarFromTemp(TaskContext& context);
// Task 5: solar radiation from sunshine hours or percentage.
void estimateSolarFromSunShineHr(TaskContext& context);
// Task 6: reference ET from pan evaporation.
void ET_from_Evap(TaskContext& context);
// Task 7: alfalfa-referenced ET by FAO Penman-Monteith.
void ET_by_PM(TaskContext& context);

// Degrees Celsius from a temperature in the unit of the T-max column: "oC"
// as it is, anything else taken as degrees Fahrenheit.
double celsiusFrom(double value, bool celsius);

} // namespace climora
