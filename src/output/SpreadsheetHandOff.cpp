#include "output/SpreadsheetHandOff.h"

#include "base/TextFile.h"

#include <system_error>

namespace climora {

std::filesystem::path firstFreeHandOffFile(const WorkFolder& work) {
    for (int n = 1;; ++n) {
        std::string name = "~";
        name += std::to_string(n); // not "~" + ...: GCC 12 warns about that falsely
        name += ".xls";
        if (!work.exists(name))
            return work.path() / name;
    }
}

HandOffResult loadInSpreadsheet(const std::vector<std::string>& outputLines, const WorkFolder& work,
                                DesktopOpener& opener, Messenger& messenger) {
    std::filesystem::path copy = firstFreeHandOffFile(work);
    writeTextLines(copy, outputLines);
    if (opener.open(copy))
        return HandOffResult::Opened;

    std::filesystem::path wb1 = work.file("~.wb1");
    std::error_code ec;
    std::filesystem::rename(copy, wb1, ec);
    if (ec)
        throw FileError("Cannot rename \"" + copy.string() + "\" to \"" + wb1.string() + "\". " +
                        ec.message());
    if (opener.open(wb1))
        return HandOffResult::OpenedAsWb1;

    messenger.reportError(std::string(noSpreadsheetMessage));
    return HandOffResult::NoProgram;
}

} // namespace climora
