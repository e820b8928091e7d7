#pragma once

#include "base/FileDialogs.h"
#include "base/Messenger.h"
#include "base/WorkFolder.h"

#include <string>

namespace climora {

// What the explorer asks of the main window. The main window stays usable
// while the explorer is open, so everything goes through these calls.
class ExplorerHost {
  public:
    virtual ~ExplorerHost() = default;

    // Clears the input panel, then fills it with the text.
    virtual void setInputText(const std::string& text) = 0;
    // The input-file name box, which sizes itself to its text.
    virtual void setInputName(const std::string& name) = 0;
    // Selects the first entry of the template drop-down (if it has one).
    virtual void selectFirstTemplate() = 0;
    // Applies the template selected in the drop-down; nothing when none is.
    virtual void applySelectedTemplate() = 0;

    virtual std::string defaultInputFolder() const = 0;
    virtual const WorkFolder& workFolder() const = 0;
    virtual Messenger& messenger() = 0;
    virtual FileDialogs& fileDialogs() = 0;
    // The explorer reports its opening and its closing.
    virtual void setExplorerOpen(bool open) = 0;
};

} // namespace climora
