#include "graphics/PenPatterns.h"

#include <array>
#include <cassert>

namespace velmora {

namespace {

    constexpr std::array<PenPattern, lastPenPattern + 1> patterns { {
        { Qt::SolidLine, true },
        { Qt::DashLine, false },
        { Qt::DotLine, false },
        { Qt::DashDotLine, false },
        { Qt::DashDotDotLine, false },
        { Qt::SolidLine, false },
        { Qt::NoPen, false },
    } };

} // namespace

PenPattern penPattern(int32_t number)
{
    assert(number >= 0 && number <= lastPenPattern);
    return patterns[size_t(number)];
}

} // namespace velmora
