#include "process/TaskDispatch.h"

#include "input/Task.h"
#include "methods/EstimationTasks.h"
#include "pipeline/Conversion.h"

namespace climora {

bool isTaskAvailable(int task) {
    return taskTraits(task).exists;
}

void runTaskStep(TaskContext& context) {
    int task = context.state.task;
    switch (task) {
    case task::convert:
    case task::addToExistingFile:
        convertRearrange(context);
        return;
    case task::checkData:
        return;
    case task::solarFromTemperature:
        estimateSolarFromTemp(context);
        return;
    case task::solarFromSunshine:
        estimateSolarFromSunShineHr(context);
        return;
    case task::etFromPan:
        ET_from_Evap(context);
        return;
    case task::etPenmanMonteith:
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
