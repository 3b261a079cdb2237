// Sine and cosine of angles in degrees, as "sin", "cos" and "rotate" take them.
#pragma once

#include "values/LogoObject.h"

namespace velmora {

struct CosineAndSine {
    LogoReal cosine;
    LogoReal sine;
};

// The angle is brought within 45 degrees of a quarter turn before it is turned into radians, so
// that a large angle loses no accuracy and the multiples of 90 come out exact.
CosineAndSine cosineAndSineOfDegrees(LogoReal degrees);

} // namespace velmora
