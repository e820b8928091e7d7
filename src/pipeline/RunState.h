#pragma once

namespace climora {

// The shared state of one Process run, rebuilt at the start of every run.
struct RunState {
    // Set by any step that has reported an error; no further step runs.
    bool abort = false;
    // True only while the cleaning tool runs from the menu; false in a run.
    bool menuCleaning = false;
    int task = 0; // 1..7
    // Header lines before the data (the estimating tasks may raise 0 to 1).
    long long rowsBeforeData = 0;
    int columnCount = 0;
    // "Convert and rearrange for Agrovia use" enabled and checked.
    bool convertAndRearrange = false;
    // Work files hold everything a step wrote, as the window keeps them;
    // false when only what a later step reads is needed (the batch).
    bool keepsWorkFiles = true;
};

} // namespace climora
