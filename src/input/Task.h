#pragma once

#include "input/Variables.h"

namespace climora {

// The tasks of the task list, by their number there; 0 is no selection.
// Tasks travel as these numbers (the list, the batch's --task, templates of
// runs); what a task does is asked of taskTraits, never of its number.
namespace task {
inline constexpr int none = 0;
inline constexpr int convert = 1;           // convert to the Agrovia layout
inline constexpr int addToExistingFile = 2; // convert and update a weather file
inline constexpr int checkData = 3;         // check for erroneous data entries
inline constexpr int solarFromTemperature = 4;
inline constexpr int solarFromSunshine = 5;
inline constexpr int etFromPan = 6;
inline constexpr int etPenmanMonteith = 7;
inline constexpr int first = convert;
inline constexpr int last = etPenmanMonteith;
} // namespace task

struct TaskTraits {
    bool exists = false;                // 1..7
    bool estimates = false;             // estimates a variable (tasks 4 to 7)
    int estimatedVariable = NoVariable; // Solar or ET for those
    bool asksForSiteLine = false;       // the "Site coordinate" dialog after a run
    // "Convert and rearrange for Agrovia use" is enabled, and checked by
    // default, for the estimating tasks only; tasks 1 and 2 always convert.
    bool convertOptional = false;
    bool alwaysConverts = false;
    bool updatesWeatherFile = false; // the update follows the run
};

constexpr TaskTraits taskTraits(int number) {
    TaskTraits traits;
    traits.exists = number >= task::first && number <= task::last;
    traits.estimates = number >= task::solarFromTemperature && number <= task::last;
    if (number == task::solarFromTemperature || number == task::solarFromSunshine)
        traits.estimatedVariable = Solar;
    else if (number == task::etFromPan || number == task::etPenmanMonteith)
        traits.estimatedVariable = ET;
    traits.asksForSiteLine = number == task::convert || number == task::etFromPan;
    traits.convertOptional = traits.estimates;
    traits.alwaysConverts = number == task::convert || number == task::addToExistingFile;
    traits.updatesWeatherFile = number == task::addToExistingFile;
    return traits;
}

} // namespace climora
