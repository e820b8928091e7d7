#include "input/ColumnSpec.h"
#include "input/SiteLimits.h"
#include "input/Task.h"

namespace climora {

bool ColumnSpec::holds(int wanted) const {
    for (int k = 0; k < columnCount; ++k)
        if (variable[k] == wanted)
            return true;
    return false;
}

bool theLastColumn(const ColumnSlots& slots, ColumnSpec& spec, Messenger& messenger) {
    for (int k = slotCount - 1; k >= 0; --k) {
        if (slots[k].variable > 0) {
            spec.columnCount = k + 1;
            return true;
        }
    }
    messenger.reportError("Columns are not specified.");
    return false;
}

namespace {

// What the selected task's page lacks, in the order the run checks it.
const char* taskPageProblem(const RunInputs& inputs, const ColumnSpec& spec) {
    if (inputs.task == task::solarFromTemperature) {
        if (inputs.task4Latitude.empty())
            return "No latitude is given.";
        if (const char* problem = latitudeTextProblem(inputs.task4Latitude))
            return problem;
        if (!(spec.holds(TMax) && spec.holds(TMin)))
            return "Task 4 needs both T-max and T-min columns.";
    }
    if (inputs.task == task::solarFromSunshine) {
        if (inputs.task5Latitude.empty())
            return "No latitude is given.";
        return latitudeTextProblem(inputs.task5Latitude);
    }
    return nullptr;
}

} // namespace

bool checkInputs(const RunInputs& inputs, const ColumnSpec& spec, Messenger& messenger) {
    const char* failure = nullptr;
    if (inputs.inputName.empty())
        failure = "No input file is opened.";
    else if (inputs.rowsText.empty())
        failure = "The number of rows prior to start of data is not specified.";
    else if (inputs.task == task::none)
        failure = "No task is selected.";
    else
        failure = taskPageProblem(inputs, spec);
    if (!failure)
        return true;
    messenger.reportError(failure);
    return false;
}

void assignVariableIndexAndUnitIndexToColumn(const ColumnSlots& slots, ColumnSpec& spec) {
    spec.variable.fill(NoVariable);
    spec.unitPosition.fill(-1);
    for (int k = 0; k < spec.columnCount; ++k) {
        spec.variable[k] = slots[k].variable;
        spec.unitPosition[k] = slots[k].unit;
    }
}

bool assignUnit(const ColumnSlots& slots, ColumnSpec& spec, Messenger& messenger) {
    for (std::string& text : spec.unitTexts)
        text.clear();
    for (int k = 0; k < spec.columnCount; ++k) {
        std::string text = slots[k].unitText().substr(0, 15);
        int variable = slots[k].variable;
        if (isMeasured(variable))
            spec.unitTexts[variable - firstMeasured] = text;
        if (variable >= firstMeasured && variable != YYDOY && text.empty()) {
            messenger.reportError("column " + std::to_string(k + 1) + " has no unit.");
            return false;
        }
    }
    return true;
}

} // namespace climora
