#include "graphics/TurtleHeading.h"

#include "values/Angles.h"

#include <cmath>
#include <numbers>

namespace velmora {

namespace {

    LogoReal atanDegrees(LogoReal ratio)
    {
        return std::atan(ratio) * 180 / std::numbers::pi_v<LogoReal>;
    }

} // namespace

LogoReal normalizedHeading(LogoReal degrees)
{
    if (degrees >= 0 && degrees < 360)
        return degrees;
    if (!std::isfinite(degrees))
        return 0;
    LogoReal heading = std::fmod(degrees, 360);
    if (heading < 0)
        heading += 360;
    // A tiny negative remainder plus 360 rounds to 360 itself.
    return heading >= 360 ? 0 : heading;
}

// The heading turned into the mathematical angle (90 - heading) through the exact sine and
// cosine of degrees, so that moves along the axes stay on whole pixels.
PixelPoint forwardTarget(const PixelPoint& from, LogoReal heading, LogoReal distance)
{
    const CosineAndSine direction = cosineAndSineOfDegrees(90 - heading);
    return { from.x + distance * direction.cosine, from.y - distance * direction.sine };
}

// Quadrant by quadrant rather than through atan2, so that the axis directions come out exact. A
// target a hair left of straight up gives 360 - tiny, which rounds to 360 itself.
LogoReal headingTowards(const PixelPoint& from, const PixelPoint& target)
{
    const LogoReal dx = target.x - from.x;
    const LogoReal dy = from.y - target.y; // positive when the target is above
    if (dy == 0)
        return dx == 0 ? 0 : (dx > 0 ? 90 : 270);
    if (dy > 0)
        return dx >= 0 ? atanDegrees(dx / dy) : normalizedHeading(360 - atanDegrees(-dx / dy));
    return dx >= 0 ? 180 - atanDegrees(-dx / dy) : atanDegrees(dx / dy) + 180;
}

} // namespace velmora
