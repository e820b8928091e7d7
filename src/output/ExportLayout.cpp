#include "output/ExportLayout.h"

#include "base/NumberText.h"
#include "formats/ApsimWeatherFile.h"
#include "formats/DssatWeatherFile.h"
#include "formats/LayoutFile.h"
#include "formats/StationCode.h"
#include "input/InputFile.h"
#include "input/Task.h"
#include "methods/EstimationTasks.h"
#include "output/SaveOutput.h"

#include <sstream>

namespace climora {
namespace {

std::optional<double> pageNumber(const std::string& text) {
    return parseNumber(trimBlanks(text));
}

void takePageSite(WeatherStation& station, const EstimationSettings& settings, int task) {
    if (task == task::solarFromTemperature)
        station.latitude = pageNumber(settings.task4Latitude);
    else if (task == task::solarFromSunshine)
        station.latitude = pageNumber(settings.task5Latitude);
    station.windHeight = windHeightOf(settings.windHeight).value_or(2);
    if (task != task::etPenmanMonteith)
        return;
    station.latitude = pageNumber(settings.task7Latitude);
    station.elevation = pageNumber(settings.elevation);
}

} // namespace

bool keepsDays(const ProcessRequest& request) {
    TaskTraits traits = taskTraits(request.task);
    return request.task == task::convert ||
           (traits.estimates && request.convertEnabled && request.convertChecked);
}

WeatherStation stationOfRun(const ProcessRequest& request, const std::optional<SiteValues>& site) {
    WeatherStation station;
    station.code = stationCodeFromInputName(request.inputName).value_or("CLIM");
    takePageSite(station, request.estimation, request.task);
    if (site) {
        station.latitude = site->latitude;
        station.longitude = site->longitude;
        station.elevation = site->elevation;
    }
    return station;
}

KeptRun keptRunOf(const ProcessRequest& request, std::vector<DailyWeather> days,
                  const std::optional<SiteValues>& site) {
    return {std::move(days), stationOfRun(request, site), request.inputName};
}

std::optional<SiteValues> siteValuesOfLine(std::string_view line) {
    std::istringstream words{std::string(line)};
    std::string latitude, longitude, elevation;
    words >> latitude >> longitude >> elevation;
    std::optional<double> values[] = {parseNumber(latitude), parseNumber(longitude),
                                      parseNumber(elevation)};
    if (!values[0] || !values[1] || !values[2])
        return std::nullopt;
    return SiteValues{*values[0], *values[1], *values[2]};
}

std::optional<std::filesystem::path> exportLayout(const KeptRun& run,
                                                  const std::string& defaultFolder,
                                                  FileDialogs& dialogs, Messenger& messenger) {
    FileDialogRequest request;
    request.title = "Export";
    request.startFolder = defaultFolder;
    request.filter = std::string(exportFilter);
    request.suggestedName = suggestedOutputName(run.title);
    request.confirmOverwrite = true;
    std::optional<FileChoice> choice = dialogs.saveFile(request);
    if (!choice)
        return std::nullopt;
    bool apsim = choice->filterIndex == 2;
    std::filesystem::path target = withDefaultExtension(choice->path, apsim ? ".met" : ".WTH");
    std::error_code ec;
    if (target.string() != choice->path && std::filesystem::exists(target, ec) &&
        !messenger.confirm(target.string() + " already exists.\nDo you want to replace it?"))
        return std::nullopt;
    std::vector<std::string> lines;
    try {
        lines = apsim ? apsimWeatherLines(run.days, run.station)
                      : dssatWeatherLines(run.days, run.station, run.title);
    } catch (const LayoutRefused& refused) {
        messenger.reportError(refused.what());
        return std::nullopt;
    }
    writeLayoutFile(target, lines);
    return target;
}

} // namespace climora
