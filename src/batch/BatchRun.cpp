#include "batch/BatchRun.h"

#include "base/NumberText.h"
#include "base/TextFile.h"
#include "base/WorkFolder.h"
#include "batch/BatchArguments.h"
#include "batch/BatchInput.h"
#include "batch/InterruptCleanup.h"
#include "batch/LayoutOptions.h"
#include "batch/OutputTarget.h"
#include "batch/PrivateWorkFolder.h"
#include "batch/StationNetwork.h"
#include "input/ColumnSuggestion.h"
#include "input/Task.h"
#include "input/Variables.h"
#include "notes/NumberPlace.h"
#include "pipeline/OutputPanel.h"
#include "pipeline/SiteCoordinate.h"
#include "pipeline/StderrMessenger.h"
#include "pipeline/WeatherFileUpdate.h"
#include "process/ProcessRun.h"
#include "process/TaskDispatch.h"
#include "templates/TemplateStore.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
namespace climora {
namespace {

// The window's refusal of a file that is not text, word for word.
constexpr const char* notATextFileMessage =
    "The file can't be opened because it is not a text file";

constexpr const char* usageText =
    R"(Usage: climora-batch [options] INPUT
       climora-batch [options] --output-dir DIR [-j N] INPUT...

Performs one Process run on the weather file INPUT, as the "Step 4: Process"
button does with the same settings, and prints the output panel's final text.
INPUT "-" reads standard input. With --output-dir each INPUT is run on its
own and written to DIR.

An option's value follows it or is joined by "=" (--rows=3); "--" ends the
options (what follows is INPUT even when it starts with "-").

Options:
  --template NAME          apply the named data template (rows and columns) first, as
                           choosing it in the "Data template" drop-down does; --rows and
                           --columns override its parts. Read from the --workfolder, else
                           from the user's work folder.
  --workfolder DIR         run in the existing work folder DIR instead of a private
                           temporary one: its template files are read and its temporary
                           files are deleted before and after the run
  --rows N                 rows before data start (absent: as an empty rows box)
  --columns SPEC           comma-separated slots 1..12, each VARIABLE or VARIABLE:UNIT;
                           an empty item is a slot with nothing selected.
                           VARIABLE: Ignore Year Month Day DOY Solar T-max T-min Precip
                                     RelHum WndSpd Soil-T ET PanEvap SunHr SunHr% YYDOY Dewpoint
                           UNIT: a unit text of that variable's list; RelHum, SunHr and
                                 SunHr% get their single unit automatically
                           auto: suggest them (and the rows, unless --rows is given)
                           from the file's first lines; prints "note: suggested
                           --rows N --columns SPEC" on standard error
  --task N                 1..7 (default 1)
  --no-convert             tasks 4-7: append the estimate as the last column instead of
                           converting (default: convert)
  --no-substitution        disable missing-value substitution (default: enabled)
  --missing-sign S         default -99
  --substitution T         default 0.01
  --latitude L             tasks 4, 5, 7, as typed in the latitude box
  --region 1|2|3           task 4 (default 1)
  --zone 1|2|3             task 5 (default 1)
  --pan 1..5               task 6 (default 1)
  --fetch TEXT             task 6 (default 1000)
  --elevation Z            task 7
  --reference R            task 7: alfalfa (default: 1.3 x the FAO grass ET0), grass
                           (FAO-56 ET0), etos or etrs (ASCE standardized short or tall)
  --wind-height Z          the wind's measurement height in m (default 2; above 0.5): task 7
                           brings the wind to 2 m; dssat and apsim files state it
  --format F               agrovia (default), dssat (.WTH) or apsim (.met): the layout
                           written, for task 1 and tasks 4-7 when converting
  --station CODE           the 4-letter station code of a dssat file (default: the input
                           name's first 4 letters, else CLIM)
  --site LAT,LON,ELEV      tasks 1 and 6: the site line's values as the "Site coordinate"
                           dialog would write them (south and east already negative; the
                           dialog's 66-degree rule applies). Without it no site line is
                           inserted, as when the dialog is cancelled.
  --update FILE            task 2 (required there): update FILE with the converted data
                           as the "Update Agrovia weather file" command would
  --yes                    answer Yes to confirmation boxes (default: No)
  -o FILE                  write the output panel's text to FILE instead of standard output
                           ("-": standard output). A regular file (a symlink's target) is
                           replaced once the text is complete; a device or FIFO is written
                           straight into. A read-only FILE is refused before the run.
  --no-notes               leave out the "note:" lines
  --output-dir DIR         run every INPUT on its own, in its own private work folder,
                           writing DIR/BASE.wth (BASE: the INPUT's name without its
                           extension); DIR is created when missing. Not with -o,
                           --update or --workfolder.
  -j N                     with --output-dir: run N files at a time (default: the
                           number of processor cores)
  -h, --help               show this text
  --version                show the version

Output: the output panel's final text, every line ended by CR LF, in UTF-8;
also when the run stops with a report in the panel (missing values,
suspicious data). Nothing is written after an unexpected error.

Every message box goes to standard error as one line "KIND: TEXT", KIND being
error, warning, information or confirm; a confirmation adds " -> Yes" or
" -> No".

Notes go to standard error as lines "note: TEXT": what a run noticed that
is allowed but probably not meant (a column whose values suggest another
unit, values no day has, variables written as 0 for want of a column), and
where a value that is not a number stands. They never change the output or
the exit status.

Exit status:
  0  the run completed (for task 3: no suspicious data were found)
  1  the run stopped on a reported condition (validation, missing values,
     suspicious data, a task's own message)
  2  usage errors, a --template that cannot be applied, and unexpected
     runtime errors ("error: Invalid numeric input", ...)
With --update the update decides after a completed run: 0 when the file was
updated, had nothing to add or the gap question was answered No; 1 when the
update refused with an error box (the file unchanged); 2 when replacing the
file failed (the file as it was).

Without --workfolder the run works in a private temporary work folder,
removed afterwards, also when SIGINT, SIGTERM or SIGHUP ends the run (exit
status 128 + the signal's number).

With --output-dir each file's messages go to standard error followed by its
summary line "NAME<TAB>ROWS<TAB>STATUS", ROWS being the lines written to its
output and STATUS done (0), stopped (1), failed (2) or interrupted (128 +
the signal's number), then "<TAB>N notes" when the run made notes. A count
line ends the run, whose exit status is the worst of the files'. Progress is
shown on standard error when it is a terminal.

Examples:
  Convert an AgriMet station download (one header line) to the Agrovia
  layout, with its site line:
    climora-batch --rows 1 --columns Year,Month,Day,T-min:oF,T-max:oF,Solar:Langley \
        --site 39.4575,118.7739,1208.5 -o FALN.wth FALN_Agrimet_daily_raw_2015.csv

  Update that weather file with the days a later download adds (answering
  Yes to the questions the update asks):
    climora-batch --task 2 --rows 1 --yes \
        --columns Year,Month,Day,T-min:oF,T-max:oF,Solar:Langley \
        --update FALN.wth FALN_Agrimet_daily_raw_2015.csv

  Penman-Monteith reference evapotranspiration (task 7) appended as the last
  column instead of converting:
    climora-batch --task 7 --latitude 39.46 --elevation 1208 --no-convert --rows 1 \
        --columns Year,Month,Day,T-min:oF,T-max:oF,Solar:Langley,,WndSpd:mile/hr \
        -o FALN-et.txt FALN_Agrimet_daily_raw_2015.csv
)";

struct BatchOptions {
    ProcessRequest request;
    fs::path input;
    std::vector<fs::path> inputs;
    NetworkOptions network;
    std::vector<std::string> sharedArgs; // what every file of a network gets
    std::optional<std::string> site;
    std::optional<std::string> updateFile;
    std::optional<std::string> outputFile;
    std::optional<std::string> templateName;
    std::optional<fs::path> workFolder;
    LayoutOptions layout;
    bool rowsGiven = false;
    bool columnsGiven = false;
    bool columnsAuto = false;
    bool yes = false;
    bool help = false;
    bool version = false;
    bool notes = true;
};

std::vector<std::string> splitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

int parseChoice(const std::string& option, const std::string& text, int low, int high) {
    std::optional<long long> value = parseInteger(text);
    if (!value || *value < low || *value > high)
        throw UsageError(option + " needs a number from " + std::to_string(low) + " to " +
                         std::to_string(high));
    return static_cast<int>(*value);
}

void selectUnit(ColumnSlots& slots, int slot, int variable, const std::string& unit) {
    const std::vector<std::string>& units = unitsOf(variable);
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i] == unit) {
            slots[slot].unit = static_cast<int>(i);
            return;
        }
    throw UsageError("--columns: \"" + unit + "\" is not a unit of " +
                     std::string(variableNames()[variable]));
}

ColumnSlots parseColumns(const std::string& spec) {
    std::vector<std::string> items = splitAt(spec, ',');
    if (items.size() > static_cast<std::size_t>(slotCount))
        throw UsageError("--columns: at most 12 slots");
    ColumnSlots slots;
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (items[k].empty())
            continue;
        std::size_t colon = items[k].find(':');
        std::string name = items[k].substr(0, colon);
        int variable = variableFromName(name);
        if (variable < 0)
            throw UsageError("--columns: unknown variable \"" + name + "\"");
        int slot = static_cast<int>(k);
        slots.chooseVariable(slot, variable);
        if (colon != std::string::npos)
            selectUnit(slots, slot, variable, items[k].substr(colon + 1));
    }
    return slots;
}

// Options that apply to one page only are refused for the other tasks.
void checkTaskOptions(const BatchOptions& options) {
    int task = options.request.task;
    if (options.site && !taskTraits(task).asksForSiteLine)
        throw UsageError("--site applies to tasks 1 and 6 only");
    if (options.updateFile && !taskTraits(task).updatesWeatherFile)
        throw UsageError("--update applies to task 2 only");
    if (!options.updateFile && taskTraits(task).updatesWeatherFile)
        throw UsageError("task 2 needs --update FILE");
}

// The settings on the pages of the estimating tasks; false for other options.
bool applyPageOption(const std::string& option, Arguments& args, EstimationSettings& estimation) {
    if (option == "--latitude") {
        std::string latitude = args.value(option);
        estimation.task4Latitude = estimation.task5Latitude = estimation.task7Latitude = latitude;
    } else if (option == "--region") {
        estimation.solarRegion = parseChoice(option, args.value(option), 1, 3);
    } else if (option == "--zone") {
        estimation.climateZone = parseChoice(option, args.value(option), 1, 3);
    } else if (option == "--pan") {
        estimation.panKind = parseChoice(option, args.value(option), 1, 5);
    } else if (option == "--fetch") {
        estimation.fetch = args.value(option);
    } else if (option == "--elevation") {
        estimation.elevation = args.value(option);
    } else {
        return false;
    }
    return true;
}

std::string rowsOption(const std::string& rows) {
    std::optional<long long> n = parseInteger(rows);
    if (!n || *n < 0 || rows.front() == '+' || rows.front() == '-')
        throw UsageError("--rows needs a whole number of zero or more");
    return std::to_string(*n);
}

void applyOption(const std::string& option, Arguments& args, BatchOptions& options) {
    ProcessRequest& request = options.request;
    if (applyPageOption(option, args, request.estimation))
        return;
    if (isLayoutOption(option)) {
        const std::string& value = args.value(option);
        std::string refusal = *applyLayoutOption(option, value, options.layout, request.estimation);
        if (!refusal.empty())
            throw UsageError(refusal);
        return;
    }
    if (option == "--rows") {
        request.rowsText = rowsOption(args.value(option));
        options.rowsGiven = true;
    } else if (option == "--columns") {
        std::string columns = args.value(option);
        options.columnsAuto = columns == "auto";
        if (!options.columnsAuto)
            request.columnSlots = parseColumns(columns);
        options.columnsGiven = true;
    } else if (option == "--template")
        options.templateName = args.value(option);
    else if (option == "--workfolder")
        options.workFolder = fs::path(args.value(option));
    else if (option == "--task")
        request.task = parseChoice(option, args.value(option), task::first, task::last);
    else if (option == "--no-convert")
        request.convertChecked = false;
    else if (option == "--no-substitution")
        request.missingValues.enabled = false;
    else if (option == "--missing-sign")
        request.missingValues.sign = args.value(option);
    else if (option == "--substitution")
        request.missingValues.substitution = args.value(option);
    else if (option == "--site")
        options.site = args.value(option);
    else if (option == "--update")
        options.updateFile = args.value(option);
    else if (option == "--yes")
        options.yes = true;
    else if (option == "--no-notes")
        options.notes = false;
    else if (option == "-o")
        options.outputFile = args.value(option);
    else
        throw UsageError("unknown option " + option);
}

// With several INPUT files each file gets its own output and work folder.
void checkNetworkOptions(const BatchOptions& options) {
    if (options.inputs.size() > 1 && !options.network.outputDir)
        throw UsageError("several INPUT files need --output-dir DIR");
    if (!options.network.outputDir)
        return;
    if (options.outputFile)
        throw UsageError("-o cannot be used with --output-dir or several INPUT files");
    if (options.updateFile)
        throw UsageError("--update cannot be used with --output-dir or several INPUT files");
    if (options.workFolder)
        throw UsageError("--workfolder cannot be used with --output-dir or several INPUT files");
}

// Options that end the parsing: the rest of the line is not read.
bool applyInformationOption(const std::string& option, BatchOptions& options) {
    options.help = option == "--help" || option == "-h";
    options.version = option == "--version";
    return options.help || options.version;
}

BatchOptions parseArguments(const std::vector<std::string>& arguments) {
    BatchOptions options;
    options.request.task = 1;
    options.request.convertChecked = true;
    Arguments args(arguments);
    while (args.more()) {
        std::size_t start = args.position();
        Arguments::Item item = args.take();
        if (!item.isOption) {
            options.inputs.push_back(item.text);
            continue;
        }
        if (applyInformationOption(item.text, options))
            return options;
        bool ownToTheCall = applyNetworkOption(item.text, args, options.network);
        if (!ownToTheCall)
            applyOption(item.text, args, options);
        args.endOption(item.text);
        if (!ownToTheCall && item.text != "--no-notes")
            for (std::string& typed : args.typedSince(start))
                options.sharedArgs.push_back(std::move(typed));
    }
    if (options.inputs.empty())
        throw UsageError("no INPUT file given");
    options.input = options.inputs.front();
    // The task list enables the box for the estimating tasks only.
    options.request.convertEnabled = taskTraits(options.request.task).convertOptional;
    options.request.convertChecked =
        options.request.convertChecked && options.request.convertEnabled;
    checkTaskOptions(options);
    std::string refusal =
        layoutTaskRefusal(options.layout, options.request.task, options.request.convertChecked);
    if (!refusal.empty())
        throw UsageError(refusal);
    checkNetworkOptions(options);
    return options;
}

// The work folder whose template files --template reads. The user's work
// folder gets the shipped settings it lacks first, as the program's start-up
// gives them, so the shipped templates serve a first run.
std::optional<fs::path> templateFolder(const BatchOptions& options) {
    if (options.workFolder)
        return options.workFolder;
    std::optional<fs::path> data = localDataFolder();
    if (!data)
        return std::nullopt;
    WorkFolder userFolder(*data / workFolderName);
    std::error_code ec;
    prepareWorkFolder(findInstallFolder(runningProgramFolder(), fs::current_path(ec)), userFolder);
    return userFolder.path();
}

// --template: the template's rows and columns, unless --rows or --columns
// gave their own. False after a reported failure.
bool applyTemplateOption(BatchOptions& options, Messenger& messenger) {
    std::optional<fs::path> folder = templateFolder(options);
    if (!folder) {
        messenger.error("Could not find the folder path.");
        return false;
    }
    std::string rows;
    ColumnSlots slots;
    if (!applyTemplateByName(WorkFolder(*folder), *options.templateName, rows, slots, messenger))
        return false;
    if (!options.rowsGiven)
        options.request.rowsText = rows;
    if (!options.columnsGiven)
        options.request.columnSlots = slots;
    return true;
}

// --columns auto: the suggestion for the input's first lines, printed so that
// it can be reused (also with --no-notes), fills the rows (unless given) and
// the slots.
void applySuggestedColumns(BatchOptions& options, std::FILE* err) {
    std::optional<std::size_t> rows;
    if (options.rowsGiven)
        rows = static_cast<std::size_t>(*parseInteger(options.request.rowsText));
    ColumnSuggestion suggestion = suggestColumns(readTextLines(options.input), rows);
    if (suggestion.rows) {
        options.request.rowsText = std::to_string(*suggestion.rows);
        std::fprintf(err, "note: suggested --rows %zu --columns %s\n", *suggestion.rows,
                     columnsOptionText(suggestion).c_str());
    }
    if (options.notes)
        for (const std::string& note : suggestion.notes)
            std::fprintf(err, "note: %s\n", note.c_str());
    options.request.columnSlots = slotsOf(suggestion);
}

// Deletes the work folder's temporaries when the run ends, as the program
// does at shutdown.
struct TemporariesCleanup {
    const WorkFolder& work;
    ~TemporariesCleanup() { work.deleteTemporaries(); }
};

void printNote(const Note& note, std::FILE* err) {
    std::fprintf(err, "note: %s\n", note.text.c_str());
}

int exitStatusOf(RunEnd end) {
    return end == RunEnd::Stopped ? 1 : 0;
}

// The update that follows a task 2 run, with FILE as the dialog's answer.
// A number it cannot read is placed in a note after its error line.
int updateFromPanel(const StreamedPanel& panel, const std::string& file, Messenger& messenger,
                    bool notes, std::FILE* err) {
    std::optional<NumberPlace> unreadable;
    UpdateOutcome outcome = updateAgroviaWeatherFile(
        panel.lines(), file, messenger, [&](const NumberPlace& place) { unreadable = place; });
    if (notes && unreadable)
        printNote(locationNote(*unreadable), err);
    return updateExitCode(outcome);
}

// INPUT "-": standard input, copied to a private folder first, under the
// name the output's header line shows.
void readInput(BatchOptions& options, std::FILE* in, std::optional<PrivateWorkFolder>& copyFolder) {
    if (options.input != "-") {
        checkInputFile(options.input);
        return;
    }
    copyFolder.emplace();
    options.input = copyFolder->path() / "stdin";
    copyStandardInput(in, options.input);
}

int runBatch(BatchOptions& options, std::FILE* in, std::FILE* out, std::FILE* err) {
    StderrMessenger messenger(options.yes, err);
    int task = options.request.task;
    if (!isTaskAvailable(task)) {
        messenger.error("Task " + std::to_string(task) + " is not available in this version.");
        return 2;
    }
    std::optional<SiteValues> site;
    if (options.site && !(site = readSiteValues(*options.site, messenger)))
        return 2;
    if (site)
        options.request.siteLatitude = site->latitude;
    std::optional<PrivateWorkFolder> inputCopy;
    readInput(options, in, inputCopy);
    OutputTarget output;
    if (options.outputFile)
        output = outputTargetOf(*options.outputFile);
    if (options.workFolder && !fs::is_directory(*options.workFolder))
        throw FileError("The work folder \"" + options.workFolder->string() + "\" does not exist.");
    if (options.templateName && !applyTemplateOption(options, messenger))
        return 2;
    if (options.columnsAuto)
        applySuggestedColumns(options, err);

    std::optional<PrivateWorkFolder> privateFolder;
    if (!options.workFolder)
        privateFolder.emplace();
    WorkFolder work(options.workFolder ? *options.workFolder : privateFolder->path());
    work.deleteTemporaries();
    TemporariesCleanup cleanup{work};
    ProcessRequest& request = options.request;
    request.keepDays = options.layout.format != OutputFormat::Agrovia;
    request.keepsWorkFiles = false;
    request.inputName = options.input.filename().string();
    request.inputFile = options.input;

    NullGauge gauge;
    StreamedPanel panel;
    ProcessOutcome outcome = runProcess(request, work, messenger, gauge, panel);
    if (options.notes)
        for (const Note& note : outcome.notes)
            printNote(note, err);
    if (outcome.next == NextStep::SiteCoordinate && site)
        panel.insertLine(1, siteLine(*site));
    if (options.layout.format != OutputFormat::Agrovia && outcome.end == RunEnd::Completed)
        loadLayout(panel, work, options.layout, keptRunOf(request, std::move(outcome.days), site));
    writeOutput(panel, output, out);
    if (outcome.next == NextStep::Update)
        return updateFromPanel(panel, *options.updateFile, messenger, options.notes, err);
    return exitStatusOf(outcome.end);
}

// Several INPUT files, or --output-dir: one run per file, each in its own
// process; a --template is checked (and the user's work folder prepared)
// once, before any of them. The runs are the climora-batch beside this
// program, also when that is a test calling runBatchCommand in-process.
int runNetwork(BatchOptions& options, std::FILE* err) {
    StationNetwork network{
        runningProgramFolder() / "climora-batch",
        options.sharedArgs,
        options.inputs,
        *options.network.outputDir,
        layoutExtension(options.layout.format),
        options.network.jobs.value_or(std::max(1u, std::thread::hardware_concurrency())),
        options.notes};
    prepareStationNetwork(network);
    StderrMessenger messenger(options.yes, err);
    if (options.templateName && !applyTemplateOption(options, messenger))
        return 2;
    return runStationNetwork(network, err);
}

int runParsed(BatchOptions& options, std::FILE* in, std::FILE* out, std::FILE* err) {
    if (options.network.outputDir)
        return runNetwork(options, err);
    return runBatch(options, in, out, err);
}

} // namespace

int runBatchCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    return runBatchCommand(args, stdin, out, err);
}

int runBatchCommand(const std::vector<std::string>& args, std::FILE* in, std::FILE* out,
                    std::FILE* err) {
    BatchOptions options;
    try {
        options = parseArguments(args);
    } catch (const UsageError& e) {
        std::fprintf(err, "error: %s (see climora-batch --help)\n", e.what());
        return 2;
    }
    if (options.help) {
        std::fputs(usageText, out);
        return 0;
    }
    if (options.version) {
        std::fputs("climora-batch " CLIMORA_VERSION "\n", out);
        return 0;
    }
    try {
        return runParsed(options, in, out, err);
    } catch (const UsageError& e) {
        std::fprintf(err, "error: %s (see climora-batch --help)\n", e.what());
        return 2;
    } catch (const NotATextFile&) {
        std::fprintf(err, "error: %s\n", notATextFileMessage);
        return 2;
    } catch (const UnreadableNumber& e) {
        std::fprintf(err, "error: %s\n", e.what());
        if (options.notes)
            printNote(locationNote(e.place()), err);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(err, "error: %s\n", e.what());
        return 2;
    }
}

} // namespace climora
