// Sine and cosine of angles in degrees, as "sin", "cos", "tan" and "rotate" take them.
//
// The angle is brought within 45 degrees of a whole number of quarter turns before it is turned
// into radians, so that a large angle loses no accuracy and the multiples of 90 come out exact.
#pragma once

#include "values/LogoObject.h"

namespace velmora {

struct CosineAndSine {
    LogoReal cosine;
    LogoReal sine;
};

LogoReal sineOfDegrees(LogoReal degrees);
LogoReal cosineOfDegrees(LogoReal degrees);
// The same for a whole number of degrees, reduced in integers.
LogoReal sineOfWholeDegrees(int32_t degrees);
LogoReal cosineOfWholeDegrees(int32_t degrees);
CosineAndSine cosineAndSineOfDegrees(LogoReal degrees);
CosineAndSine cosineAndSineOfWholeDegrees(int32_t degrees);

} // namespace velmora
