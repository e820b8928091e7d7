#pragma once

#include "pipeline/TaskContext.h"

namespace climora {

// False for the tasks this version cannot run yet.
bool isTaskAvailable(int task);

// Runs the selected task's own step: the conversion for tasks 1 and 2,
// nothing for task 3 (its work is the data checkup), the estimates for
// tasks 4 to 7. The step leaves its result in Output.~.
void runTaskStep(TaskContext& context);

} // namespace climora
