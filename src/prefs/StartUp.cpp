#include "prefs/StartUp.h"

#include <cstdlib>
#include <unistd.h>

namespace climora {
namespace fs = std::filesystem;

namespace {

std::unique_ptr<WorkFolder> temporaryWorkFolder() {
    std::string pattern = (fs::temp_directory_path() / "climora-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("Could not create a temporary folder.");
    return std::make_unique<WorkFolder>(pattern);
}

} // namespace

StartedFrame startUp(const fs::path& installFolder, Messenger& messenger) {
    StartedFrame started;
    FrameState& frame = started.frame;
    frame.installFolder = installFolder;
    std::optional<fs::path> dataFolder = localDataFolder();
    if (!dataFolder) {
        messenger.reportError("Could not find the folder path.");
        frame.workFolder = temporaryWorkFolder();
        frame.workFolderIsTemporary = true;
        frame.defaultInputFolder = frame.defaultOutputFolder = frame.workFolder->pathText();
        started.optionsRestored = false;
        return started;
    }
    frame.workFolder = std::make_unique<WorkFolder>(*dataFolder / workFolderName);
    prepareWorkFolder(installFolder, *frame.workFolder);
    frame.updateNoticePending = true;
    frame.workFolder->deleteTemporaries();

    frame.defaultInputFolder = frame.defaultOutputFolder = frame.workFolder->pathText();
    if (frame.workFolder->exists(optionFileName)) {
        OptionReadResult read = readOptionFile(frame.workFolder->file(optionFileName), Options{});
        started.options = read.options;
        // The shipped option file leaves the folder lines empty: the work
        // folder stands in for a folder that was never chosen.
        if (!read.options.inputFolder.empty())
            frame.defaultInputFolder = read.options.inputFolder;
        if (!read.options.outputFolder.empty())
            frame.defaultOutputFolder = read.options.outputFolder;
        if (!read.error.empty()) {
            started.optionsRestored = false;
            messenger.reportError(read.error);
            return started;
        }
    }
    frame.explorerOpen = false;
    return started;
}

void shutDown(FrameState& frame, const Options& current) {
    WorkFolder& work = *frame.workFolder;
    work.deleteTemporaries();
    auto [inputFolder, outputFolder] =
        readOptionFolders(work.file(optionFileName), work.pathText());
    Options written = current;
    written.inputFolder = inputFolder;
    written.outputFolder = outputFolder;
    writeOptionFile(work.file(optionFileName), written);
}

} // namespace climora
