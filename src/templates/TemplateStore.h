#pragma once

#include "base/Messenger.h"
#include "base/WorkFolder.h"
#include "input/ColumnSlots.h"
#include "templates/DataTemplate.h"
#include "templates/TemplateFiles.h"

#include <optional>
#include <string>
#include <vector>

namespace climora {

enum class ApplyOutcome {
    Applied,     // the rows box and the slots show the template
    NothingDone, // no selection, no settings file or no last session file: silently
    NotFound,    // "Settings are not found for the selected template." was shown
    Failed,      // the settings could not be read; the error was shown
};

// The "Data template" drop-down's background: yellow at start; an apply or a
// retrieve that went through makes it normal when the drop-down then shows a
// name and yellow when it shows none. Nothing else changes it.
enum class TemplateBoxColour { Yellow, Normal };
inline constexpr TemplateBoxColour initialTemplateBoxColour = TemplateBoxColour::Yellow;
// The colour to set after an apply or retrieve; nothing when it stays as it is.
std::optional<TemplateBoxColour> colourAfterApply(ApplyOutcome outcome, bool boxShowsName);

// The three template files of the work folder: the list of names, the
// settings blocks of the named templates, and the last session template.
class TemplateStore {
  public:
    explicit TemplateStore(const WorkFolder& folder,
                           TemplateWrites& writes = standardTemplateWrites())
        : folder_(folder), writes_(writes) {}

    const WorkFolder& folder() const { return folder_; }
    TemplateWrites& writes() const { return writes_; }

    bool hasList() const { return folder_.exists(templateListFile); }
    // The names of "TemplateList.clx", sorted, empty lines left out; no names
    // when there is no list file. Throws FileError or NotATextFile when the
    // file is there but cannot be read.
    std::vector<std::string> loadNames() const;
    // Writes the names, one per line, each line ended by CR LF. A failed
    // write leaves the old list file as it was.
    void saveNames(const std::vector<std::string>& names) const;

    // Applies the drop-down's selection (nothing: no item selected) to the
    // rows box text and the slots. The unit lists are emptied first, so they
    // are empty also when the template's settings are not found.
    ApplyOutcome applyTemplate(const std::optional<std::string>& selectedName,
                               std::string& rowsText, ColumnSlots& columnSlots,
                               Messenger& messenger) const;
    // "Retrieve last session template". A missing or unreadable file does
    // nothing, without a message.
    ApplyOutcome retrieveLastSession(std::string& rowsText, ColumnSlots& columnSlots,
                                     Messenger& messenger) const;
    // Writes "Last Session Template.clx": three lines, the last without a
    // line end. Throws FileError when the file cannot be written.
    void saveTheTemplate(const DataTemplate& current) const;

  private:
    const WorkFolder& folder_;
    TemplateWrites& writes_;
};

// For the command line: applies the template called `name` from the work
// folder's settings file, as choosing it in the drop-down does. A missing
// settings file is reported like a name without settings ("Settings are not
// found for the selected template."). True when the template was applied.
bool applyTemplateByName(const WorkFolder& folder, const std::string& name, std::string& rowsText,
                         ColumnSlots& columnSlots, Messenger& messenger);

} // namespace climora
