#include "input/SiteLimits.h"

#include "base/NumberText.h"

#include <optional>

namespace climora {

// Written so that NaN is outside too.
bool isPossibleLatitude(double degrees) {
    return degrees >= -90 && degrees <= 90;
}

bool isPossibleElevation(double metres) {
    return metres >= -500 && metres <= 9000;
}

const char* latitudeTextProblem(const std::string& text) {
    std::optional<double> degrees = parseNumber(trimBlanks(text));
    return degrees && !isPossibleLatitude(*degrees) ? latitudeOutOfRangeText : nullptr;
}

} // namespace climora
