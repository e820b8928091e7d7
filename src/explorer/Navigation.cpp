#include "explorer/Navigation.h"

#include <algorithm>
#include <cctype>

namespace climora {

bool sameAddress(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

int NavigationHistory::indexOf(std::string_view address) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (sameAddress(entries_[i], address))
            return static_cast<int>(i);
    return -1;
}

void NavigationHistory::visit(const std::string& address) {
    if (int found = indexOf(address); found >= 0) {
        position_ = found;
        return;
    }
    int last = static_cast<int>(entries_.size()) - 1;
    if (position_ >= 0 && position_ < last)
        entries_.erase(entries_.begin() + position_, entries_.end());
    entries_.push_back(address);
    position_ = static_cast<int>(entries_.size()) - 1;
}

bool NavigationHistory::canGoBack() const {
    return !entries_.empty() && position_ > 0;
}

bool NavigationHistory::canGoForward() const {
    return !entries_.empty() && position_ < static_cast<int>(entries_.size()) - 1;
}

void AddressList::bringToTop(const std::string& address) {
    auto found = std::find_if(items_.begin(), items_.end(),
                              [&](const std::string& item) { return sameAddress(item, address); });
    if (found == items_.end())
        insertTop(address);
    else
        std::rotate(items_.begin(), found, found + 1);
}

void ExplorerNavigation::enterAddress(const std::string& text) {
    history.append(text);
    addresses.insertTop(text);
}

std::optional<std::string> ExplorerNavigation::announce(const std::string& address) {
    history.visit(address);
    if (updateAddressList) {
        updateAddressList = false;
        addresses.bringToTop(address);
    }
    if (addresses.empty())
        return std::nullopt;
    return addresses.top();
}

} // namespace climora
