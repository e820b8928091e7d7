#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace climora {

// Addresses are compared without regard to letter case.
bool sameAddress(std::string_view a, std::string_view b);

// The explorer's Back/Forward history: the addresses visited and the
// position of the page shown.
class NavigationHistory {
  public:
    const std::vector<std::string>& entries() const { return entries_; }
    int position() const { return position_; }

    // Index of the first entry equal to the address, or -1.
    int indexOf(std::string_view address) const;
    // Enter in the address box adds the typed address as it stands.
    void append(std::string address) { entries_.push_back(std::move(address)); }
    // A navigation announced by the browser: a known address becomes the
    // current entry; a new one replaces the current entry and all after it
    // (when the current entry is not the last) and becomes current.
    void visit(const std::string& address);

    bool canGoBack() const;
    bool canGoForward() const;
    // The entries either side of the current one; call only when the
    // matching canGo... is true.
    const std::string& previous() const { return entries_.at(position_ - 1); }
    const std::string& next() const { return entries_.at(position_ + 1); }

  private:
    std::vector<std::string> entries_;
    int position_ = 0;
};

// The address box's drop-down list, most recent first.
class AddressList {
  public:
    const std::vector<std::string>& items() const { return items_; }
    bool empty() const { return items_.empty(); }
    const std::string& top() const { return items_.front(); }

    void insertTop(std::string address) { items_.insert(items_.begin(), std::move(address)); }
    // Moves a listed address (any letter case, keeping its own text) to the
    // top, else inserts it there.
    void bringToTop(const std::string& address);

  private:
    std::vector<std::string> items_;
};

// What the explorer keeps about its navigations while it is open.
class ExplorerNavigation {
  public:
    NavigationHistory history;
    AddressList addresses;
    // Set when the program itself starts a navigation; the next
    // announcement clears it and files the address in the address list.
    bool updateAddressList = false;

    // Every navigation the program starts.
    void startNavigation() { updateAddressList = true; }
    // Enter in the address box, before the navigation starts.
    void enterAddress(const std::string& text);
    // The browser announces a navigation to `address`. Gives the address
    // box's new text: the top of the address list (none while it is empty).
    std::optional<std::string> announce(const std::string& address);
};

} // namespace climora
