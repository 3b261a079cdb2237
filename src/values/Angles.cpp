#include "values/Angles.h"

#include <cmath>
#include <numbers>

namespace velmora {

namespace {

    // An angle as whole quarter turns (0 to 3) and a remainder within 45 degrees, in radians.
    struct QuarterTurns {
        int quarters;
        LogoReal radians;
    };

    // fmod is exact, and so is taking whole quarter turns off what is left of the turn.
    QuarterTurns quarterTurns(LogoReal degrees)
    {
        constexpr LogoReal radiansPerDegree = std::numbers::pi_v<LogoReal> / 180;
        const LogoReal turn = std::fmod(degrees, 360);
        if (!std::isfinite(turn))
            return { 0, turn };
        const LogoReal quarters = std::nearbyint(turn / 90);
        return { (static_cast<int>(quarters) % 4 + 4) % 4, (turn - quarters * 90) * radiansPerDegree };
    }

    // The sine of an angle a whole number of quarter turns past the remainder.
    LogoReal sineAfterQuarters(int quarters, LogoReal radians)
    {
        switch (quarters % 4) {
        case 1:
            return std::cos(radians);
        case 2:
            return -std::sin(radians);
        case 3:
            return -std::cos(radians);
        default:
            return std::sin(radians);
        }
    }

} // namespace

LogoReal sineOfDegrees(LogoReal degrees)
{
    const QuarterTurns angle = quarterTurns(degrees);
    return sineAfterQuarters(angle.quarters, angle.radians);
}

// cos a = sin (a + 90)
LogoReal cosineOfDegrees(LogoReal degrees)
{
    const QuarterTurns angle = quarterTurns(degrees);
    return sineAfterQuarters(angle.quarters + 1, angle.radians);
}

CosineAndSine cosineAndSineOfDegrees(LogoReal degrees)
{
    return { cosineOfDegrees(degrees), sineOfDegrees(degrees) };
}

} // namespace velmora
