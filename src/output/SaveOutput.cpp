#include "output/SaveOutput.h"

#include "base/TextFile.h"
#include "input/InputFile.h"

namespace climora {

std::string suggestedOutputName(const std::string& inputName) {
    return getNameOnlyNoExt(inputName);
}

std::string outputPathWithExtension(const std::string& chosenPath, int filterIndex) {
    return withDefaultExtension(chosenPath, filterIndex == 1 ? ".wth" : ".txt");
}

std::optional<std::filesystem::path> saveOutput(const std::vector<std::string>& outputLines,
                                                const std::string& inputName,
                                                const std::string& defaultInputFolder,
                                                FileDialogs& dialogs, Messenger& messenger) {
    FileDialogRequest request;
    request.startFolder = defaultInputFolder;
    request.filter = std::string(outputSaveFilter);
    request.filterIndex = 1;
    request.suggestedName = suggestedOutputName(inputName);
    request.confirmOverwrite = true;
    std::optional<FileChoice> choice = dialogs.saveFile(request);
    if (!choice)
        return std::nullopt;

    std::filesystem::path target = outputPathWithExtension(choice->path, choice->filterIndex);
    // The dialog only asked about the name as entered.
    std::error_code ec;
    if (target.string() != choice->path && std::filesystem::exists(target, ec) &&
        !messenger.confirm(target.string() + " already exists.\nDo you want to replace it?"))
        return std::nullopt;
    writeTextLines(target, outputLines);
    return target;
}

} // namespace climora
