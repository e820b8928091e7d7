#include "pipeline/SiteCoordinate.h"

#include "base/NumberText.h"

#include <cmath>
#include <vector>

namespace climora {

std::optional<double> readTypedNumber(std::string_view text, char decimalSeparator) {
    std::string typed(trimBlanks(text));
    if (decimalSeparator != '.') {
        for (char& c : typed)
            if (c == decimalSeparator)
                c = '.';
    }
    return parseNumber(typed);
}

std::optional<SiteValues> readSiteEntry(const SiteEntry& entry, char decimalSeparator,
                                        Messenger& messenger) {
    std::optional<double> latitude = readTypedNumber(entry.latitude, decimalSeparator);
    std::optional<double> longitude = readTypedNumber(entry.longitude, decimalSeparator);
    std::optional<double> elevation = readTypedNumber(entry.elevation, decimalSeparator);
    if (!latitude || !longitude || !elevation) {
        messenger.reportError("Invalid input");
        return std::nullopt;
    }
    SiteValues values{entry.south ? -*latitude : *latitude, entry.east ? -*longitude : *longitude,
                      *elevation};
    if (!checkSiteLatitude(values, messenger))
        return std::nullopt;
    return values;
}

std::optional<SiteValues> readSiteValues(std::string_view text, Messenger& messenger) {
    std::vector<double> numbers;
    std::size_t parts = 0;
    while (true) {
        std::size_t comma = text.find(',');
        ++parts;
        if (std::optional<double> number = parseNumber(trimBlanks(text.substr(0, comma))))
            numbers.push_back(*number);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    if (parts != 3 || numbers.size() != 3) {
        messenger.reportError("Invalid input");
        return std::nullopt;
    }
    SiteValues values{numbers[0], numbers[1], numbers[2]};
    if (!checkSiteLatitude(values, messenger))
        return std::nullopt;
    return values;
}

bool checkSiteLatitude(const SiteValues& values, Messenger& messenger) {
    if (std::fabs(values.latitude) <= 66)
        return true;
    messenger.reportError("Latitude value must be smaller than 66");
    return false;
}

std::string siteLine(const SiteValues& values) {
    return formatGeneral(values.latitude) + " " + formatGeneral(values.longitude) + " " +
           formatGeneral(values.elevation) + "  Lat (deg), long (deg), elev(m)";
}

} // namespace climora
