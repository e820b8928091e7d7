#pragma once

#include "pipeline/TaskContext.h"

#include <functional>

namespace climora {

enum class CheckupResult {
    Clean,      // nothing suspicious; for task 3 this has been announced
    Suspicious, // the report is in the output panel
    Failed,     // a data or date problem has been reported
};

// Screens every data row of Input.~ for suspicious values and broken date
// sequences and writes the report to Output.~. Every result but Clean for
// tasks other than 3 sets the abort flag: task 3 always ends here.
// Each screened row is also shown to `eachRow`, in order.
using ScreenedRowWatch = std::function<void(const WeatherRecord&)>;
CheckupResult dataCheckup(TaskContext& context, const ScreenedRowWatch& eachRow = {});

} // namespace climora
