#include "values/Angles.h"

#include <cmath>
#include <numbers>

namespace velmora {

CosineAndSine cosineAndSineOfDegrees(LogoReal degrees)
{
    constexpr LogoReal radiansPerDegree = std::numbers::pi_v<LogoReal> / 180;
    // fmod is exact, and so is taking whole quarter turns off what is left of the turn.
    const LogoReal turn = std::fmod(degrees, 360);
    if (!std::isfinite(turn))
        return { turn, turn };
    const LogoReal quarters = std::nearbyint(turn / 90);
    const LogoReal radians = (turn - quarters * 90) * radiansPerDegree;
    const LogoReal c = std::cos(radians), s = std::sin(radians);
    switch ((static_cast<int>(quarters) % 4 + 4) % 4) {
    case 1:
        return { -s, c };
    case 2:
        return { -c, -s };
    case 3:
        return { s, -c };
    default:
        return { c, s };
    }
}

} // namespace velmora
