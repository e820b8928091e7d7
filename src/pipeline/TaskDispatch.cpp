#include "pipeline/TaskDispatch.h"

#include "pipeline/Conversion.h"

namespace climora {

bool isTaskAvailable(int task) {
    return task >= 1 && task <= 3;
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
    default:
        context.messenger.reportError("Task " + std::to_string(task) +
                                      " is not available in this version.");
        context.state.abort = true;
        return;
    }
}

} // namespace climora
