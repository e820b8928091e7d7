#include "explorer/Capture.h"

#include <algorithm>
#include <cctype>

namespace climora {

bool isHprccAddress(std::string_view address) {
    if (std::size_t dot = address.find('.'); dot != std::string_view::npos)
        address.remove_prefix(dot + 1);
    constexpr std::string_view service = "HPRCC";
    if (address.size() < service.size())
        return false;
    return std::equal(service.begin(), service.end(), address.begin(), [](char s, char a) {
        return s == std::toupper(static_cast<unsigned char>(a));
    });
}

void deliverCapture(ExplorerHost& host, const CapturedPage& page,
                    const std::string& addressBoxText) {
    host.setInputText(page.bodyText);
    host.setInputName(page.title.empty() ? addressBoxText : page.title);
    host.messenger().tone(Tone::Exclamation);
    if (isHprccAddress(addressBoxText))
        host.selectFirstTemplate();
    host.applySelectedTemplate();
}

} // namespace climora
