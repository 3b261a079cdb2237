#include "values/Angles.h"

#include <array>
#include <cmath>
#include <numbers>
#include <span>

namespace velmora {

namespace {

    // An angle as whole quarter turns (0 to 3) and a remainder within 45 degrees, in radians.
    struct QuarterTurns {
        int quarters;
        LogoReal radians;
    };

    constexpr LogoReal radiansPerDegree = std::numbers::pi_v<LogoReal> / 180;

    // The nearest whole quarter of a turn within one turn either way, by comparisons: rounding
    // or converting an extended real to an integer switches the x87 rounding mode, which is slow.
    template <typename Degrees> int nearestQuarter(Degrees turn)
    {
        return (turn > 45) + (turn > 135) + (turn > 225) + (turn > 315) - (turn < -45)
            - (turn < -135) - (turn < -225) - (turn < -315);
    }

    // fmod is exact, and so is taking whole quarter turns off what is left of the turn.
    QuarterTurns quarterTurns(LogoReal degrees)
    {
        const LogoReal turn = std::fabs(degrees) < 360 ? degrees : std::fmod(degrees, 360);
        if (!std::isfinite(turn))
            return { 0, turn };
        const int quarters = nearestQuarter(turn);
        return { (quarters % 4 + 4) % 4, (turn - quarters * 90) * radiansPerDegree };
    }

    QuarterTurns quarterTurns(int32_t degrees)
    {
        const int32_t turn = degrees % 360;
        const int quarters = nearestQuarter(turn);
        return { (quarters % 4 + 4) % 4,
            static_cast<LogoReal>(turn - quarters * 90) * radiansPerDegree };
    }

    // The Taylor coefficients (-1)^k / (2k + first)! of sine (first 1) or cosine (first 0).
    template <int First, size_t Terms> constexpr std::array<LogoReal, Terms> taylorCoefficients()
    {
        std::array<LogoReal, Terms> coefficients {};
        LogoReal factorial = 1;
        for (int n = 2; n <= First; ++n)
            factorial *= n;
        for (size_t k = 0; k < Terms; ++k) {
            coefficients[k] = (k % 2 ? -1 : 1) / factorial;
            const int next = First + 2 * static_cast<int>(k) + 1;
            factorial *= static_cast<LogoReal>(next) * (next + 1);
        }
        return coefficients;
    }

    // Within 45 degrees the series through x^19 (sine) or x^18 (cosine) is exact to well below
    // the last bit of the extended mantissa, and faster than the library's functions, which
    // reduce their argument again. The polynomial in y = x^2 is summed as its even and odd
    // halves in y^2, two independent chains instead of one twice as long.
    LogoReal series(std::span<const LogoReal> coefficients, LogoReal y)
    {
        const LogoReal y2 = y * y;
        LogoReal even = 0, odd = 0;
        for (size_t k = coefficients.size(); k-- > 0;) {
            if (k % 2)
                odd = odd * y2 + coefficients[k];
            else
                even = even * y2 + coefficients[k];
        }
        return even + y * odd;
    }

    LogoReal sineWithin45(LogoReal x)
    {
        static constexpr auto coefficients = taylorCoefficients<1, 10>();
        return x * series(coefficients, x * x);
    }

    LogoReal cosineWithin45(LogoReal x)
    {
        static constexpr auto coefficients = taylorCoefficients<0, 10>();
        return series(coefficients, x * x);
    }

    // The sine of an angle a whole number of quarter turns past the remainder.
    LogoReal sineAfterQuarters(int quarters, LogoReal radians)
    {
        if (!std::isfinite(radians))
            return std::sin(radians);
        switch (quarters % 4) {
        case 1:
            return cosineWithin45(radians);
        case 2:
            return -sineWithin45(radians);
        case 3:
            return -cosineWithin45(radians);
        default:
            return sineWithin45(radians);
        }
    }

    LogoReal sineOf(QuarterTurns angle) { return sineAfterQuarters(angle.quarters, angle.radians); }

    // cos a = sin (a + 90)
    LogoReal cosineOf(QuarterTurns angle)
    {
        return sineAfterQuarters(angle.quarters + 1, angle.radians);
    }

    CosineAndSine cosineAndSineOf(QuarterTurns angle) { return { cosineOf(angle), sineOf(angle) }; }

} // namespace

LogoReal sineOfDegrees(LogoReal degrees) { return sineOf(quarterTurns(degrees)); }

LogoReal cosineOfDegrees(LogoReal degrees) { return cosineOf(quarterTurns(degrees)); }

LogoReal sineOfWholeDegrees(int32_t degrees) { return sineOf(quarterTurns(degrees)); }

LogoReal cosineOfWholeDegrees(int32_t degrees) { return cosineOf(quarterTurns(degrees)); }

CosineAndSine cosineAndSineOfDegrees(LogoReal degrees)
{
    return cosineAndSineOf(quarterTurns(degrees));
}

CosineAndSine cosineAndSineOfWholeDegrees(int32_t degrees)
{
    return cosineAndSineOf(quarterTurns(degrees));
}

} // namespace velmora
