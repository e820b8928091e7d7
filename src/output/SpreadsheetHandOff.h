#pragma once

#include "base/Messenger.h"
#include "base/WorkFolder.h"
#include "output/DesktopOpener.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

inline constexpr std::string_view noSpreadsheetMessage =
    "Sorry, neither Excel nor QuattroPro is available.";

// The first of "~1.xls", "~2.xls", ... that the work folder does not hold.
std::filesystem::path firstFreeHandOffFile(const WorkFolder& work);

enum class HandOffResult { Opened, OpenedAsWb1, NoProgram };

// "Load in Excel": writes the output panel's lines to the first free "~N.xls"
// of the work folder and asks the desktop to open it; when that fails, renames
// the copy to "~.wb1" (replacing an earlier one) and tries again; when that
// fails too, reports noSpreadsheetMessage. The copies stay in the work folder.
// A file that cannot be written or renamed throws FileError.
HandOffResult loadInSpreadsheet(const std::vector<std::string>& outputLines, const WorkFolder& work,
                                DesktopOpener& opener, Messenger& messenger);

} // namespace climora
