#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace climora {

// The per-user folder that holds the settings files and the temporaries of
// runs. Files are named by bare names, compared without regard to case.
class WorkFolder {
  public:
    explicit WorkFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& path() const { return folder_; }
    // The folder as text with a trailing separator, as the default folders hold it.
    std::string pathText() const;
    // The file of that name: an existing file whose name differs only in
    // letter case, otherwise the name as given.
    std::filesystem::path file(std::string_view name) const;
    bool exists(std::string_view name) const;
    // Deletes the temporaries ("*.~" and "~*.xls"); failures are ignored.
    void deleteTemporaries() const;

  private:
    std::filesystem::path folder_;
};

inline constexpr std::string_view workFolderName = "Climora2016_1";

// The temporaries in the work folder. A run hands its data from step to step
// through them; start-up and shutdown delete them (deleteTemporaries).
namespace temporary {
inline constexpr std::string_view input = "Input.~";        // the rows a step reads
inline constexpr std::string_view output = "Output.~";      // the rows a step writes
inline constexpr std::string_view estimates = "Out.~";      // one estimate per data row
inline constexpr std::string_view rows = "Rows.~";          // a run's rows beyond what memory keeps
inline constexpr std::string_view checkup = "Checkup.~";    // the checkup's report while it screens
inline constexpr std::string_view conversion = "Convert.~"; // a conversion made while rows are read
inline constexpr std::string_view report = "Report.~";      // the missing-value report
inline constexpr std::string_view layout = "Layout.~";      // a crop model's weather file
inline constexpr std::string_view templateList = "TemplateList.~"; // the new list, first
inline constexpr std::string_view cleanDataMarker = "DSMA1.~"; // the explanation not wanted again
} // namespace temporary

// The user's local data folder: $XDG_DATA_HOME, else ~/.local/share.
std::optional<std::filesystem::path> localDataFolder();

// Where the shipped settings files lie: share/climora beside the program's
// folder (bin/../share/climora), else the program's own folder if it holds
// them, else the working directory.
std::filesystem::path findInstallFolder(const std::filesystem::path& programFolder,
                                        const std::filesystem::path& workingDirectory);

// The folder of the running program's executable, links resolved; empty
// when the system does not tell.
std::filesystem::path runningProgramFolder();

// The ten settings files, in the order they are copied at start-up.
const std::array<std::string_view, 10>& settingsFileNames();

// Copies each settings file that the work folder lacks from the installation
// folder; an existing file is never replaced; failures are ignored.
void copyMissingSettingsFiles(const std::filesystem::path& installFolder, const WorkFolder& work);

// Creates the work folder (and its parents) when missing and gives it the settings files
// it lacks, as start-up does; failures are ignored.
void prepareWorkFolder(const std::filesystem::path& installFolder, const WorkFolder& work);

// Text of a folder with one trailing separator.
std::string folderText(const std::filesystem::path& folder);

} // namespace climora
