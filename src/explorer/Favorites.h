#pragma once

#include "base/Messenger.h"
#include "base/WorkFolder.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

inline constexpr std::string_view favoriteNamesFileName = "FavoriteNames.clx";
inline constexpr std::string_view favoriteAddressesFileName = "FavoriteURLs.clx";
inline constexpr const char* nameAlreadyUsedMessage =
    "The name is already used. Specify a new name.";

// The favourites: names in one file, addresses in another, line k of one
// belonging to line k of the other. Every write keeps the two files the
// same length.
class FavoriteStore {
  public:
    explicit FavoriteStore(const WorkFolder& workFolder) : workFolder_(workFolder) {}

    // The saved names in file order; none without the file.
    std::vector<std::string> names() const;
    // The address of favourite `number` (from 1): none when the address file
    // cannot be read, empty when it has no such line.
    std::optional<std::string> addressOf(int number) const;

    // Saves a new favourite at the end. A name already saved (compared
    // exactly) is refused with the error tone and a message; false then.
    bool add(const std::string& name, const std::string& address, Messenger& messenger);
    // Removes the address line at `position` (from 0) at once; `nameCount`
    // is the number of names listed before the removal.
    void removeAddress(int position, std::size_t nameCount);
    // Rewrites the names file; the address file is cut or padded to match
    // only when it does not.
    void writeNames(const std::vector<std::string>& names);

  private:
    std::vector<std::string> readAddresses() const;
    // The addresses, cut or padded with empty lines to `count` lines.
    std::vector<std::string> alignedAddresses(std::size_t count) const;

    const WorkFolder& workFolder_;
};

// The "Manage favorites" name list while the dialog is open. Renames and
// deletions live here until close(); a deletion removes its address at once.
class FavoriteNameEditor {
  public:
    // `rememberedPosition` outlives the dialog: it is the position chosen
    // last from the drop-down during this run of the program (0 at first).
    FavoriteNameEditor(FavoriteStore& store, int& rememberedPosition);

    const std::vector<std::string>& names() const { return names_; }
    int rememberedPosition() const { return remembered_; }

    // The drop-down list closed with `selected` chosen (-1 for none).
    void listClosed(int selected) { remembered_ = selected; }
    // Gives the remembered favourite the name `text`. An empty name, or no
    // remembered favourite, is ignored (the tone sounds all the same):
    // neither may cost the two files their alignment. False when ignored.
    bool accept(const std::string& text, Messenger& messenger);
    // Deletes the favourite at `selected`; false when nothing is selected.
    bool remove(int selected);
    // Writes the names.
    void close() { store_.writeNames(names_); }

  private:
    FavoriteStore& store_;
    int& remembered_;
    std::vector<std::string> names_;
};

} // namespace climora
