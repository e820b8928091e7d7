#include "input/InputFile.h"

#include "base/NumberText.h"
#include "base/TextFile.h"
#include "base/WorkFolder.h"

#include <filesystem>

namespace climora {

std::string getNameOnlyNoExt(const std::string& path) {
    std::size_t separator = path.find_last_of("/\\:");
    std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
    std::size_t dot = name.find('.');
    return dot == std::string::npos ? std::string() : name.substr(0, dot);
}

namespace {

long long rowsValue(const std::string& rowsText) {
    auto value = parseInteger(rowsText);
    return value ? *value : 0;
}

// Reads the chosen file as the open command does after its dialog.
OpenedInput readChosenInputFile(const std::filesystem::path& path, Messenger& messenger,
                                std::string& defaultInputFolder) {
    OpenedInput opened;
    opened.name = path.filename().string();
    try {
        opened.lines = readTextLines(path);
    } catch (const std::exception&) {
        messenger.reportError("The file can't be opened because it is not a text file");
    }
    defaultInputFolder = folderText(path.parent_path());
    return opened;
}

} // namespace

std::string rowsUpArrow(const std::string& rowsText) {
    long long n = rowsValue(rowsText);
    return std::to_string(n > 0 ? n - 1 : 0);
}

std::string rowsDownArrow(const std::string& rowsText) {
    return std::to_string(rowsValue(rowsText) + 1);
}

std::optional<OpenedInput> openInputFile(FileDialogs& dialogs, Messenger& messenger,
                                         std::string& defaultInputFolder) {
    FileDialogRequest request;
    request.title = " Select input file";
    request.startFolder = defaultInputFolder;
    request.filter = "Text file (*.txt)|*.txt|All files|*.*";
    std::optional<FileChoice> choice = dialogs.openFile(request);
    if (!choice)
        return std::nullopt;
    return readChosenInputFile(choice->path, messenger, defaultInputFolder);
}

std::optional<OpenedInput> openNamedInputFile(const std::string& path, Messenger& messenger,
                                              std::string& defaultInputFolder) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        messenger.reportError("Cannot open file \"" + path + "\".");
        return std::nullopt;
    }
    return readChosenInputFile(std::filesystem::absolute(path, ec), messenger, defaultInputFolder);
}

std::string withDefaultExtension(const std::string& path, const std::string& extension) {
    std::filesystem::path p(path);
    return p.filename().string().find('.') == std::string::npos ? path + extension : path;
}

bool saveInputFile(const std::vector<std::string>& lines, FileDialogs& dialogs,
                   const std::string& defaultInputFolder) {
    FileDialogRequest request;
    request.startFolder = defaultInputFolder;
    request.filter = "Text files(*.txt)|*.txt|Allfiles (*.*)|*.*";
    request.confirmOverwrite = true;
    std::optional<FileChoice> choice = dialogs.saveFile(request);
    if (!choice)
        return false;
    writeTextLines(withDefaultExtension(choice->path, ".txt"), lines);
    return true;
}

} // namespace climora
