#include "explorer/Favorites.h"

#include "base/TextFile.h"

#include <algorithm>

namespace climora {
namespace {

// A name or address is one line of its file, whatever was pasted.
std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

} // namespace

std::vector<std::string> FavoriteStore::names() const {
    if (!workFolder_.exists(favoriteNamesFileName))
        return {};
    return readTextLines(workFolder_.file(favoriteNamesFileName));
}

std::vector<std::string> FavoriteStore::readAddresses() const {
    if (!workFolder_.exists(favoriteAddressesFileName))
        return {};
    return readTextLines(workFolder_.file(favoriteAddressesFileName));
}

std::vector<std::string> FavoriteStore::alignedAddresses(std::size_t count) const {
    std::vector<std::string> addresses = readAddresses();
    addresses.resize(count);
    return addresses;
}

std::optional<std::string> FavoriteStore::addressOf(int number) const {
    std::vector<std::string> addresses;
    try {
        if (!workFolder_.exists(favoriteAddressesFileName))
            return std::nullopt;
        addresses = readAddresses();
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (number < 1 || number > static_cast<int>(addresses.size()))
        return std::string();
    return addresses[number - 1];
}

bool FavoriteStore::add(const std::string& name, const std::string& address, Messenger& messenger) {
    std::vector<std::string> saved = names();
    if (std::find(saved.begin(), saved.end(), oneLine(name)) != saved.end()) {
        messenger.tone(Tone::Error);
        messenger.plain(nameAlreadyUsedMessage);
        return false;
    }
    std::vector<std::string> addresses = alignedAddresses(saved.size());
    saved.push_back(oneLine(name));
    addresses.push_back(oneLine(address));
    writeTextLines(workFolder_.file(favoriteNamesFileName), saved);
    writeTextLines(workFolder_.file(favoriteAddressesFileName), addresses);
    return true;
}

void FavoriteStore::removeAddress(int position, std::size_t nameCount) {
    std::vector<std::string> addresses = alignedAddresses(nameCount);
    if (position < 0 || position >= static_cast<int>(addresses.size()))
        return;
    addresses.erase(addresses.begin() + position);
    writeTextLines(workFolder_.file(favoriteAddressesFileName), addresses);
}

void FavoriteStore::writeNames(const std::vector<std::string>& names) {
    std::vector<std::string> lines;
    for (const std::string& name : names)
        lines.push_back(oneLine(name));
    writeTextLines(workFolder_.file(favoriteNamesFileName), lines);
    if (readAddresses().size() != lines.size())
        writeTextLines(workFolder_.file(favoriteAddressesFileName), alignedAddresses(lines.size()));
}

FavoriteNameEditor::FavoriteNameEditor(FavoriteStore& store, int& rememberedPosition)
    : store_(store), remembered_(rememberedPosition), names_(store.names()) {}

bool FavoriteNameEditor::accept(const std::string& text, Messenger& messenger) {
    messenger.tone(Tone::Exclamation);
    if (text.empty() || remembered_ < 0 || remembered_ >= static_cast<int>(names_.size()))
        return false;
    names_[remembered_] = oneLine(text);
    return true;
}

bool FavoriteNameEditor::remove(int selected) {
    if (selected < 0 || selected >= static_cast<int>(names_.size()))
        return false;
    store_.removeAddress(selected, names_.size());
    names_.erase(names_.begin() + selected);
    return true;
}

} // namespace climora
