// Reading and writing numbers as text, always with "." as the decimal point.
#pragma once

#include "values/LogoObject.h"

#include <string>
#include <string_view>

namespace velmora {

// A signed 32-bit decimal integer: optional sign, digits, nothing else.
bool parseInteger(std::string_view text, int32_t& value);
// An extended real: optional blanks and sign, digits with an optional "." and fraction (at least
// one digit in all), an optional exponent, optional trailing blanks. A text beyond the extended
// range (1e5000) is none; one too small for it reads as the nearest extended real (1e-5000 as 0).
bool parseReal(std::string_view text, LogoReal& value);

// The text form of a computed real: 6 significant digits, fixed notation while the integer part
// has at most 6 digits and the magnitude is at least 0.00001, otherwise «d.dddddE[-]x»; trailing
// zeros and a trailing point are dropped.
std::string formatReal(LogoReal value);
std::string formatInteger(int32_t value);

} // namespace velmora
