#pragma once

#include <stdexcept>
#include <string>

namespace climora {

// A page field whose text is not the number it must hold. The text names the
// value: "'abc' is not a valid floating point value".
struct FieldValueError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The field's text as a decimal number ("." as decimal point; blanks around
// it are ignored). Throws FieldValueError otherwise.
double readRealField(const std::string& text);
// The field's text as a whole number. Throws FieldValueError otherwise.
long long readIntegerField(const std::string& text);

} // namespace climora
