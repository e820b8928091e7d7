#pragma once

#include "explorer/ExplorerHost.h"

#include <string>
#include <string_view>

namespace climora {

// A page as the capture reads it from the browser.
struct CapturedPage {
    std::string bodyText;
    std::string title; // may be empty
};

// True for an address of the HPRCC data service: the five characters after
// the first "." (from the start when there is none) read "HPRCC" in any
// letter case.
bool isHprccAddress(std::string_view address);

// Hands a captured page to the main window: the page text into the input
// panel, the title (or the address box text when the page has none) into the
// input-name box, the exclamation tone, then the template: the first one for
// HPRCC pages, else the one already selected. The caller closes the explorer.
void deliverCapture(ExplorerHost& host, const CapturedPage& page,
                    const std::string& addressBoxText);

} // namespace climora
