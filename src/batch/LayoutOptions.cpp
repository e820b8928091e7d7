#include "batch/LayoutOptions.h"

#include "base/TextFile.h"
#include "formats/ApsimWeatherFile.h"
#include "formats/DssatWeatherFile.h"
#include "formats/StationCode.h"
#include "input/Task.h"
#include "methods/EstimationTasks.h"

#include <array>
#include <utility>

namespace climora {
namespace {

template <typename Choice, std::size_t N>
std::optional<Choice> choiceOf(const std::array<std::pair<const char*, Choice>, N>& choices,
                               const std::string& text) {
    for (const auto& [name, choice] : choices)
        if (text == name)
            return choice;
    return std::nullopt;
}

constexpr std::array<std::pair<const char*, OutputFormat>, 3> formats{
    {{"agrovia", OutputFormat::Agrovia},
     {"dssat", OutputFormat::Dssat},
     {"apsim", OutputFormat::Apsim}}};
constexpr std::array<std::pair<const char*, EtReference>, 4> references{
    {{"alfalfa", EtReference::Alfalfa},
     {"grass", EtReference::Grass},
     {"etos", EtReference::AsceShort},
     {"etrs", EtReference::AsceTall}}};

} // namespace

bool isLayoutOption(const std::string& option) {
    return option == "--format" || option == "--station" || option == "--reference" ||
           option == "--wind-height";
}

std::optional<std::string> applyLayoutOption(const std::string& option, const std::string& value,
                                             LayoutOptions& layout, EstimationSettings& settings) {
    if (option == "--format") {
        std::optional<OutputFormat> format = choiceOf(formats, value);
        if (!format)
            return "--format needs agrovia, dssat or apsim";
        layout.format = *format;
    } else if (option == "--station") {
        layout.station = stationCodeOf(value);
        if (!layout.station)
            return "--station needs a code of 4 letters";
    } else if (option == "--reference") {
        std::optional<EtReference> reference = choiceOf(references, value);
        if (!reference)
            return "--reference needs alfalfa, grass, etos or etrs";
        settings.reference = *reference;
        layout.referenceGiven = true;
    } else if (option == "--wind-height") {
        if (!windHeightOf(value))
            return "--wind-height needs a number of metres above 0.5";
        settings.windHeight = value;
        layout.windHeightGiven = true;
    } else {
        return std::nullopt;
    }
    return std::string();
}

std::string layoutTaskRefusal(const LayoutOptions& layout, int task, bool converts) {
    bool layoutAsked = layout.format != OutputFormat::Agrovia || layout.station;
    if (layout.referenceGiven && task != task::etPenmanMonteith)
        return "--reference applies to task 7 only";
    if (layout.windHeightGiven && task != task::etPenmanMonteith && !layoutAsked)
        return "--wind-height applies to task 7 and to --format dssat or apsim";
    bool convertsOnly = task == task::convert || (taskTraits(task).estimates && converts);
    if (layoutAsked && !convertsOnly)
        return "--format and --station apply to task 1 and to tasks 4-7 when converting";
    return {};
}

void loadLayout(StreamedPanel& panel, const WorkFolder& work, const LayoutOptions& layout,
                KeptRun run) {
    run.station.code = layout.station.value_or(run.station.code);
    std::vector<std::string> lines = layout.format == OutputFormat::Apsim
                                         ? apsimWeatherLines(run.days, run.station)
                                         : dssatWeatherLines(run.days, run.station, run.title);
    writeTextLines(work.file(temporary::layout), lines);
    panel.loadFile(work.file(temporary::layout));
}

} // namespace climora
