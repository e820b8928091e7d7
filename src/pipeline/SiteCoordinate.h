#pragma once

#include "base/Messenger.h"

#include <optional>
#include <string>
#include <string_view>

namespace climora {

// The boxes of the "Site coordinate" dialog as typed.
struct SiteEntry {
    std::string latitude;
    bool south = false; // "S" chosen instead of "N"
    std::string longitude;
    bool east = false; // "E" chosen instead of "W"
    std::string elevation;
};

// South latitudes and east longitudes are negative.
struct SiteValues {
    double latitude = 0;
    double longitude = 0;
    double elevation = 0;
};

// A number as the user types it: blanks around it ignored, the locale's
// decimal separator or "." as the decimal point.
std::optional<double> readTypedNumber(std::string_view text, char decimalSeparator);

// "OK" of the dialog: the three boxes read and checked. A box that is not a
// number is reported as "Invalid input", a latitude beyond 66 degrees north
// or south by its own message; nothing is given back then.
std::optional<SiteValues> readSiteEntry(const SiteEntry& entry, char decimalSeparator,
                                        Messenger& messenger);
// "LAT,LON,ELEV" with "." as the point, south and east already negative,
// under the same rules as the dialog's boxes.
std::optional<SiteValues> readSiteValues(std::string_view text, Messenger& messenger);
// The 66-degree rule alone (66 itself is accepted); reports and gives false.
bool checkSiteLatitude(const SiteValues& values, Messenger& messenger);

// The site line that becomes the output's second line, e.g.
// "-35 -120.5 12  Lat (deg), long (deg), elev(m)". Always "." as the point.
std::string siteLine(const SiteValues& values);

} // namespace climora
