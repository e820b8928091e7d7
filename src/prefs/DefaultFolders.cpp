#include "prefs/DefaultFolders.h"

#include "prefs/OptionFile.h"

#include <exception>

namespace climora {

FolderTexts defaultFolderTexts(const WorkFolder& work) {
    try {
        auto [input, output] = readOptionFolders(work.file(optionFileName), work.pathText());
        return {input, output};
    } catch (const std::exception&) {
        return {work.pathText(), work.pathText()};
    }
}

bool saveDefaultFolders(const WorkFolder& work, const FolderTexts& typed,
                        std::string& defaultInputFolder, std::string& defaultOutputFolder,
                        Messenger& messenger) {
    try {
        writeOptionFolders(work.file(optionFileName), typed.inputFolder, typed.outputFolder);
    } catch (const std::exception& failure) {
        messenger.reportError(failure.what());
        return false;
    }
    defaultInputFolder = typed.inputFolder;
    defaultOutputFolder = typed.outputFolder;
    return true;
}

} // namespace climora
