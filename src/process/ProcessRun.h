#pragma once

#include "base/ActivityGauge.h"
#include "base/Messenger.h"
#include "base/WorkFolder.h"
#include "formats/DailyWeather.h"
#include "input/ColumnSlots.h"
#include "notes/Note.h"
#include "pipeline/EstimationSettings.h"
#include "pipeline/OutputPanel.h"
#include "pipeline/RowExtraction.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace climora {

// The main window's state that a Process run reads.
struct ProcessRequest {
    std::string inputName; // the input-name box
    std::string rowsText;  // "Rows before data start", as shown
    int task = 0;          // 1..7, 0 when the task list has no selection
    ColumnSlots columnSlots;
    bool convertEnabled = false; // "Convert and rearrange for Agrovia use"
    bool convertChecked = false;
    MissingValueSettings missingValues;
    EstimationSettings estimation;
    // Writes the input panel's lines to the given file (Input.~).
    std::function<void(const std::filesystem::path&)> saveInput;
    // Instead, the input file the run reads where it lies (in any text
    // encoding); nothing is copied.
    std::optional<std::filesystem::path> inputFile;
    // The site's latitude when known before the run (tasks 1 and 6 take it
    // from the site line afterwards); only the notes use it.
    std::optional<double> siteLatitude;
    // Keep the converted days in the outcome (for the crop-model layouts).
    bool keepDays = false;
    // Leave the work files as the window shows them after a run; without it
    // a run writes only what a later step of the run reads.
    bool keepsWorkFiles = true;
};

enum class RunEnd {
    Stopped,   // a step reported a problem (or a report is in the output panel)
    Checked,   // task 3 found nothing suspicious and said so
    Completed, // the task's result is in the output panel
};

// What the window does after a completed run.
enum class NextStep {
    None,
    SiteCoordinate, // tasks 1 and 6: ask for the site line (askForLatValueAndInsert)
    Update,         // task 2: the update of an existing Agrovia weather file
};

struct ProcessOutcome {
    RunEnd end = RunEnd::Stopped;
    NextStep next = NextStep::None;
    // What the run noticed beside its result: on the rows of a run that went
    // through them (Completed, Checked), on the data lines of any run that
    // got past the extraction. Never part of the output.
    std::vector<Note> notes;
    // With keepDays, the days of a completed conversion in the units of the
    // crop-model layouts; empty otherwise.
    std::vector<DailyWeather> days;
};

// "Step 4: Process": one run from the validation of the window to the
// finishing edits of the output panel, without returning to the caller in
// between. Messages go to the messenger; the output panel is changed through
// its port as the run goes (emptied before the data are read, then the
// report or the result loaded and edited).
//
// A completed run sounds the exclamation tone itself, so every front end
// reports it; showing "It is Done" on the Process button is the window's.
// Unexpected failures (a number that cannot be read, a file that cannot be
// written) leave as exceptions: the caller shows their text in an error box
// (an UnreadableNumber also carries the place for its note).
// Input.~ and Output.~ then stay as the failing step left them, and the
// panel shows what it showed at that moment, never a half-written result.
ProcessOutcome runProcess(const ProcessRequest& request, const WorkFolder& work,
                          Messenger& messenger, ActivityGauge& gauge, OutputPanel& panel);

// Of the N header lines copied to the top of an Agrovia result only the first
// stays: lines 2 to N of the panel are deleted.
void removeExtraRows(OutputPanel& panel, long long rowsBeforeData);

} // namespace climora
