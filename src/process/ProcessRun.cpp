#include "process/ProcessRun.h"

#include "base/HeldMessages.h"
#include "base/NumberText.h"
#include "formats/ConvertedDay.h"
#include "input/ColumnSpec.h"
#include "input/Task.h"
#include "methods/EstimationPass.h"
#include "notes/RunNotes.h"
#include "pipeline/ConversionPass.h"
#include "pipeline/DataCheckup.h"
#include "pipeline/DataRows.h"
#include "pipeline/InputLines.h"
#include "pipeline/RunState.h"
#include "pipeline/TaskContext.h"
#include "pipeline/WeatherRecord.h"
#include "process/TaskDispatch.h"

#include <stdexcept>

namespace climora {
namespace {

// The rows box holds a whole number of zero or more, or nothing.
long long rowsBeforeData(const std::string& rowsText) {
    if (rowsText.empty())
        return 0;
    std::optional<long long> rows = parseInteger(rowsText);
    if (!rows || *rows < 0)
        throw std::runtime_error("'" + rowsText + "' is not a valid integer value");
    return *rows;
}

const std::string& latitudeBoxOf(const EstimationSettings& settings, int task) {
    if (task == task::solarFromTemperature)
        return settings.task4Latitude;
    if (task == task::solarFromSunshine)
        return settings.task5Latitude;
    return settings.task7Latitude;
}

// The latitude the notes may compare solar radiation with.
std::optional<double> knownLatitude(const ProcessRequest& request) {
    int task = request.task;
    if (task == 4 || task == 5 || task == 7)
        return parseNumber(trimBlanks(latitudeBoxOf(request.estimation, task)));
    return request.siteLatitude;
}

// Builds the run's ColumnSpec from the slots and checks the window.
bool prepareRun(const ProcessRequest& request, TaskContext& context, RunNotes& notes) {
    RunState& state = context.state;
    ColumnSpec& spec = context.spec;
    if (!theLastColumn(request.columnSlots, spec, context.messenger))
        return false;
    state.columnCount = spec.columnCount;
    state.convertAndRearrange = request.convertEnabled && request.convertChecked;
    // Only fills the spec from the slots; checkInputs needs the variables.
    assignVariableIndexAndUnitIndexToColumn(request.columnSlots, spec);
    RunInputs inputs{request.inputName, request.rowsText, request.task,
                     request.estimation.task4Latitude, request.estimation.task5Latitude};
    if (!checkInputs(inputs, spec, context.messenger))
        return false;
    // The window's panel is saved and its end notes cut first; an input file
    // is read where it lies, its end notes left out by the extraction.
    if (context.inputFile.empty()) {
        request.saveInput(context.work.file(temporary::input));
        notes.setFileLines(removeEndNotes(context));
        return assignUnit(request.columnSlots, spec, context.messenger);
    }
    // The input file is read later; one that is not text is reported first.
    HeldMessages held(context.messenger);
    bool assigned = assignUnit(request.columnSlots, spec, held);
    if (!assigned)
        InputLines(context.inputFile, TextSource::Any).readToEnd();
    held.passOn();
    return assigned;
}

// The passes that go through the rows while the extraction reads them: the
// checkup, and the conversion of tasks 1 and 2 or an estimating task's. What
// they find is reported once the extraction has reported its own outcome.
struct PassesWhileExtracting {
    std::optional<CheckupScreen> checkup;
    std::optional<ConversionPass> conversion;
    std::optional<EstimationPass> estimation;

    std::vector<RowSink*> sinks() {
        std::vector<RowSink*> all;
        if (checkup)
            all.push_back(&*checkup);
        if (conversion)
            all.push_back(&*conversion);
        if (estimation)
            all.push_back(&*estimation);
        return all;
    }
    // Whether a pass after the checkup replays the rows.
    bool rowsReplayed(int task) const {
        return !checkup || (task != task::checkData && !conversion && !estimation);
    }
    // The task's step, done by a pass when one took it.
    void runTask(TaskContext& context) {
        if (conversion)
            conversion->complete();
        else if (estimation)
            estimation->complete();
        else
            runTaskStep(context);
    }
};

void startPasses(PassesWhileExtracting& passes, const ProcessRequest& request, TaskContext& context,
                 const ScreenedRowWatch& screenedRows) {
    if (!rowsAssembledWhileExtracting(context, request.missingValues) ||
        !checkupScreensRows(context.spec))
        return;
    passes.checkup.emplace(context, screenedRows);
    const RunState& state = context.state;
    if (taskTraits(state.task).alwaysConverts) {
        passes.conversion.emplace(context);
    } else if (taskTraits(state.task).estimates && state.convertAndRearrange) {
        if (std::unique_ptr<RowEstimator> estimator = estimatorBeforeRows(context))
            passes.estimation.emplace(context, std::move(estimator));
    }
}

// Extraction, missing values, checkup and the task; false when a step stopped.
bool processData(const ProcessRequest& request, TaskContext& context, RunEnd& stopEnd,
                 RunNotes& notes, const ScreenedRowWatch& screenedRows) {
    context.gauge.show();
    context.panel.clear();
    PassesWhileExtracting passes;
    startPasses(passes, request, context, screenedRows);
    long inputLines = extractDataRows(context, request.missingValues, notes.lineWatch(),
                                      passes.sinks(), passes.rowsReplayed(context.state.task));
    if (!context.inputFile.empty())
        notes.setFileLines(inputLines);
    notes.afterExtraction(context.spec);
    if (context.state.abort)
        return false;
    CheckupResult checkup =
        passes.checkup ? passes.checkup->announce() : dataCheckup(context, screenedRows);
    if (context.state.abort) {
        if (checkup == CheckupResult::Clean)
            stopEnd = RunEnd::Checked;
        return false;
    }
    passes.runTask(context);
    return !context.state.abort;
}

NextStep finishAgroviaResult(const ProcessRequest& request, TaskContext& context) {
    int task = context.state.task;
    removeExtraRows(context.panel, context.state.rowsBeforeData);
    if (taskTraits(task).asksForSiteLine)
        return NextStep::SiteCoordinate;
    if (taskTraits(task).updatesWeatherFile)
        return NextStep::Update;
    context.panel.insertLine(1, latitudeBoxOf(request.estimation, task) + "  (Lat.)");
    return NextStep::None;
}

} // namespace

void removeExtraRows(OutputPanel& panel, long long rows) {
    if (rows >= 2)
        panel.removeLines(1, rows - 1);
}

ProcessOutcome runProcess(const ProcessRequest& request, const WorkFolder& work,
                          Messenger& messenger, ActivityGauge& gauge, OutputPanel& panel) {
    WeatherRecord record;
    record.reset();
    RunState state;
    state.abort = false;
    state.menuCleaning = false;
    state.task = request.task;
    state.rowsBeforeData = rowsBeforeData(request.rowsText);
    state.keepsWorkFiles = request.keepsWorkFiles;
    ColumnSpec spec;
    TaskContext context{
        work, state, spec, record, messenger, gauge, request.estimation, panel, request.inputName,
        {},   {},    {}};

    ProcessOutcome outcome;
    if (request.keepDays)
        context.dayConverted = [&outcome, &spec](const WeatherRecord& row, int dayOfYear) {
            outcome.days.push_back(dailyWeatherOf(row, dayOfYear, spec));
        };
    if (request.inputFile)
        context.inputFile = *request.inputFile;
    RunNotes notes;
    if (!prepareRun(request, context, notes))
        return outcome;
    ColumnSpec inputSpec = spec; // before a task changes its estimate's unit
    long rowsBeforeData = static_cast<long>(state.rowsBeforeData);
    bool completed = false;
    try {
        ScreenedRowWatch screenedRows =
            notes.rowWatch(inputSpec, rowsBeforeData, knownLatitude(request));
        completed = processData(request, context, outcome.end, notes, screenedRows);
        if (completed || outcome.end == RunEnd::Checked)
            notes.afterRows(context, inputSpec, rowsBeforeData);
    } catch (...) {
        DataRows::discardRecording(context);
        throw;
    }
    DataRows::discardRecording(context);
    outcome.notes = notes.take();
    if (!completed) {
        outcome.days.clear();
        return outcome;
    }

    gauge.hide();
    panel.loadFile(work.file(temporary::output));
    messenger.tone(Tone::Exclamation);
    outcome.end = RunEnd::Completed;
    if (taskTraits(state.task).alwaysConverts || state.convertAndRearrange)
        outcome.next = finishAgroviaResult(request, context);
    return outcome;
}

} // namespace climora
