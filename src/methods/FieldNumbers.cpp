#include "methods/FieldNumbers.h"

#include "base/NumberText.h"

namespace climora {

double readRealField(const std::string& text) {
    if (auto value = parseNumber(trimBlanks(text)))
        return *value;
    throw FieldValueError("'" + text + "' is not a valid floating point value");
}

long long readIntegerField(const std::string& text) {
    if (auto value = parseInteger(trimBlanks(text)))
        return *value;
    throw FieldValueError("'" + text + "' is not a valid integer value");
}

} // namespace climora
