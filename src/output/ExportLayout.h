#pragma once

#include "base/FileDialogs.h"
#include "base/Messenger.h"
#include "formats/DailyWeather.h"
#include "pipeline/SiteCoordinate.h"
#include "process/ProcessRun.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

inline constexpr std::string_view exportFilter =
    "DSSAT weather file (*.WTH)|*.WTH|APSIM weather file (*.met)|*.met";
inline constexpr const char* exportUnavailableText = "Process a file with task 1 first.";

// The days of the last completed conversion and where they were measured.
struct KeptRun {
    std::vector<DailyWeather> days;
    WeatherStation station;
    std::string title; // the input name
};

// Whether a run keeps its days: task 1, and tasks 4 to 7 when they convert.
bool keepsDays(const ProcessRequest& request);

// The station of a run: the code from the input name ("CLIM" when it does
// not start with 4 letters), the site line's values when there is one, else
// the latitude (and for task 7 the elevation and wind height) of the task's page.
WeatherStation stationOfRun(const ProcessRequest& request, const std::optional<SiteValues>& site);

KeptRun keptRunOf(const ProcessRequest& request, std::vector<DailyWeather> days,
                  const std::optional<SiteValues>& site);

// The latitude, longitude and elevation at the start of a site line
// ("-35 -120.5 12  Lat (deg), ..."); nothing when they are not numbers.
std::optional<SiteValues> siteValuesOfLine(std::string_view line);

// "Export...": asks for a file (".WTH" or ".met" appended by the chosen filter
// when the name has none) and writes the kept days in that layout beside it
// before replacing it. A layout that cannot be written is reported in an
// error box. Returns the file written. A failed write throws FileError.
std::optional<std::filesystem::path> exportLayout(const KeptRun& run,
                                                  const std::string& defaultFolder,
                                                  FileDialogs& dialogs, Messenger& messenger);

} // namespace climora
