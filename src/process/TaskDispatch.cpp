#include "process/TaskDispatch.h"

#include "methods/EstimationTasks.h"
#include "pipeline/Conversion.h"

namespace climora {

bool isTaskAvailable(int task) {
    return task >= 1 && task <= 7;
}

void runTaskStep(TaskContext& context) {
    int task = context.state.task;
    switch (task) {
    case 1:
    case 2:
        convertRearrange(context);
        return;
    case 3:
        return;
    case 4:
        estimateSolarFromTemp(context);
        return;
    case 5:
        estimateSolarFromSunShineHr(context);
        return;
    case 6:
        ET_from_Evap(context);
        return;
    case 7:
        ET_by_PM(context);
        return;
    default:
        context.messenger.reportError("Task " + std::to_string(task) +
                                      " is not available in this version.");
        context.state.abort = true;
        return;
    }
}

} // namespace climora
