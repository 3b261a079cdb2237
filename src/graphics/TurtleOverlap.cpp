#include "graphics/TurtleOverlap.h"

#include "core/MainVariables.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace velmora {

namespace {

    struct Circle {
        int64_t x;
        int64_t y;
        int64_t radius;
    };

    // Two circles, or the first twice when the rectangle is a square's.
    struct CirclePair {
        Circle first;
        Circle second;
    };

    // The circles whose common part covers the ellipse inscribed in the rectangle: for a wide
    // rectangle two circles of radius g through its top and bottom edges, for a tall one through
    // its left and right edges. None when the rectangle is thinner than two pixels.
    std::optional<CirclePair> circlesOf(const QRect& shape)
    {
        const int64_t halfWidth = shape.width() / 2;
        const int64_t halfHeight = shape.height() / 2;
        if (halfWidth <= 0 || halfHeight <= 0)
            return std::nullopt;
        const int64_t centreX = shape.left() + halfWidth;
        const int64_t centreY = shape.top() + halfHeight;
        if (halfWidth == halfHeight) {
            const Circle circle { centreX, centreY, halfWidth };
            return CirclePair { circle, circle };
        }
        const int64_t g = std::llround(double(halfWidth * halfWidth + halfHeight * halfHeight) / 2
            / double(std::min(halfWidth, halfHeight)));
        if (halfHeight < halfWidth)
            return CirclePair { { centreX, shape.top() + g, g },
                { centreX, shape.bottom() - g, g } };
        return CirclePair { { shape.left() + g, centreY, g }, { shape.right() - g, centreY, g } };
    }

    // The slack of 5 lets circles that only just touch count as overlapping.
    bool circlesOverlap(const Circle& a, const Circle& b)
    {
        const int64_t dx = a.x - b.x;
        const int64_t dy = a.y - b.y;
        const int64_t reach = a.radius + b.radius;
        return dx * dx + dy * dy < reach * reach + 5;
    }

    bool lensesOverlap(const CirclePair& a, const CirclePair& b)
    {
        return circlesOverlap(a.first, b.first) && circlesOverlap(a.first, b.second)
            && circlesOverlap(a.second, b.first) && circlesOverlap(a.second, b.second);
    }

} // namespace

OverlapTest overlapTestInForce()
{
    tlogoobject* mode = mainObjectVariable("overlapmode");
    const bool rectangles = mode && mode->isInteger() && mode->asInteger() != 0;
    return rectangles ? OverlapTest::Rectangles : OverlapTest::Circles;
}

bool shapesOverlap(const QRect& first, const QRect& second, OverlapTest test)
{
    if (!first.intersects(second))
        return false;
    if (test == OverlapTest::Rectangles)
        return true;
    const std::optional<CirclePair> firstCircles = circlesOf(first);
    const std::optional<CirclePair> secondCircles = circlesOf(second);
    return firstCircles && secondCircles && lensesOverlap(*firstCircles, *secondCircles);
}

bool shapeTouchesRange(const QRect& shape, const PixelRange& range)
{
    return shape.right() >= range.left && shape.left() <= range.right && shape.bottom() >= range.top
        && shape.top() <= range.bottom;
}

bool shapeLeavesRange(const QRect& shape, const PixelRange& range)
{
    return shape.left() < range.left || shape.right() > range.right || shape.top() < range.top
        || shape.bottom() > range.bottom;
}

} // namespace velmora
