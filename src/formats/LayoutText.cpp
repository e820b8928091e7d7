#include "formats/LayoutText.h"

#include "base/NumberText.h"

namespace climora {

std::string fixedText(double value, int decimals) {
    std::string text = formatFixed(value, decimals);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string fixedField(double value, int width, int decimals) {
    std::string text = fixedText(value, decimals);
    while (static_cast<int>(text.size()) >= width && decimals > 0)
        text = fixedText(value, --decimals);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

} // namespace climora
