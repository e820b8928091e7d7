#pragma once

#include <string>

namespace climora {

// Site values no place on Earth has. The estimates would still come out as
// plausible-looking numbers (a floor of 0.01 MJ, an ET of 0.0), so a run
// refuses them before it reads any data.
inline constexpr const char* latitudeOutOfRangeText = "Latitude must be between -90 and 90.";
inline constexpr const char* elevationOutOfRangeText = "Elevation must be between -500 and 9000 m.";

bool isPossibleLatitude(double degrees);
bool isPossibleElevation(double metres);

// The range message for the text of a latitude box, or nullptr when the text
// is within range or is not a number (the task reports that on its own).
const char* latitudeTextProblem(const std::string& text);

} // namespace climora
