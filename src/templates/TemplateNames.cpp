#include "templates/TemplateNames.h"

#include <algorithm>
#include <cctype>

namespace climora {

namespace {

int compareIgnoringCase(std::string_view a, std::string_view b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        int x = std::tolower(static_cast<unsigned char>(a[i]));
        int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

} // namespace

bool nameSortsBefore(std::string_view a, std::string_view b) {
    int order = compareIgnoringCase(a, b);
    return order != 0 ? order < 0 : a < b;
}

std::vector<std::string> sortedNames(std::vector<std::string> names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return nameSortsBefore(a, b);
    });
    return names;
}

int insertSorted(std::vector<std::string>& names, const std::string& name) {
    auto place = std::upper_bound(
        names.begin(), names.end(), name,
        [](const std::string& a, const std::string& b) { return nameSortsBefore(a, b); });
    return static_cast<int>(names.insert(place, name) - names.begin());
}

std::optional<int> findName(const std::vector<std::string>& names, std::string_view name) {
    auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end())
        return std::nullopt;
    return static_cast<int>(found - names.begin());
}

int positionToSelect(const std::vector<std::string>& names, std::string_view name) {
    return findName(names, name).value_or(static_cast<int>(names.size()) - 1);
}

} // namespace climora
