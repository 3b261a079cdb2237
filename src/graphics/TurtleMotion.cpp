#include "graphics/TurtleMotion.h"

#include <array>

namespace velmora {

namespace {

    // A point on the edge line takes the other coordinate of the start when the segment runs
    // along that line.
    LogoReal fraction(LogoReal part, LogoReal whole) { return whole == 0 ? 0 : part / whole; }

    // Outcode clipping of the segment from `inside` (in the range) to `end`: the end moves
    // onto each edge line it lies beyond, tested left, right, top, bottom. Four clips suffice in
    // exact arithmetic; the final clamp absorbs rounding.
    PixelPoint clipToRange(const PixelPoint& inside, PixelPoint end, const PixelRange& range)
    {
        for (int clip = 0; clip < 4 && !range.contains(end); ++clip) {
            if (end.x < range.left || end.x > range.right) {
                const LogoReal edge = end.x < range.left ? range.left : range.right;
                end.y = inside.y + (end.y - inside.y) * fraction(edge - inside.x, end.x - inside.x);
                end.x = edge;
            } else {
                const LogoReal edge = end.y < range.top ? range.top : range.bottom;
                end.x = inside.x + (end.x - inside.x) * fraction(edge - inside.y, end.y - inside.y);
                end.y = edge;
            }
        }
        return range.clamped(end);
    }

    // Clockwise from the top-left.
    std::array<PixelPoint, 4> cornersOf(const PixelRange& range)
    {
        return { PixelPoint { range.left, range.top }, PixelPoint { range.right, range.top },
            PixelPoint { range.right, range.bottom }, PixelPoint { range.left, range.bottom } };
    }

    // Carries the crossing point `c` to where the path re-enters, and the rest of the path with
    // it. A path through a corner re-enters at the next corner clockwise.
    void wrapAcross(PixelPoint& c, PixelPoint& target, const PixelRange& range)
    {
        const std::array<PixelPoint, 4> corners = cornersOf(range);
        for (size_t corner = 0; corner < corners.size(); ++corner) {
            if (c == corners[corner]) {
                const PixelPoint& next = corners[(corner + 1) % corners.size()];
                target = { target.x + next.x - c.x, target.y + next.y - c.y };
                c = next;
                return;
            }
        }
        const LogoReal width = range.right - range.left - 1;
        const LogoReal height = range.bottom - range.top - 1;
        if (c.x == range.left) {
            target.x += width;
            c.x = range.right;
        } else if (c.y == range.top) {
            target.y += height;
            c.y = range.bottom;
        } else if (c.x == range.right) {
            target.x -= width;
            c.x = range.left;
        } else if (c.y == range.bottom) {
            target.y -= height;
            c.y = range.top;
        }
    }

    // Mirrors the rest of the path in the edge (or both edges of a corner) that `c` lies on.
    void reflectOffEdge(const PixelPoint& c, PixelPoint& target, const PixelRange& range)
    {
        if (c.x == range.left)
            target.x = 2 * range.left - target.x;
        else if (c.x == range.right)
            target.x = 2 * range.right - target.x;
        if (c.y == range.top)
            target.y = 2 * range.top - target.y;
        else if (c.y == range.bottom)
            target.y = 2 * range.bottom - target.y;
    }

    void drawPiece(const SegmentDrawer& drawSegment, const PixelPoint& from, const PixelPoint& to)
    {
        if (drawSegment)
            drawSegment(from, to);
    }

    // Wrap and bounce: piece by piece until the rest of the path lies inside the range.
    MoveResult travelInside(PixelPoint from, PixelPoint target, RangeStyle style,
        const PixelRange& range, const SegmentDrawer& drawSegment)
    {
        PixelPoint bounce = target;
        for (int32_t pieces = 1; !range.contains(target); ++pieces) {
            if (pieces == maximumMovePieces)
                return { from, std::nullopt, true };
            PixelPoint crossing = clipToRange(from, target, range);
            drawPiece(drawSegment, from, crossing);
            if (style == RangeStyle::Wrap) {
                wrapAcross(crossing, target, range);
            } else {
                reflectOffEdge(crossing, target, range);
                bounce = crossing;
            }
            from = crossing;
        }
        drawPiece(drawSegment, from, target);
        if (bounce == target)
            return { target, std::nullopt, false };
        return { target, bounce, false };
    }

} // namespace

MoveResult moveTurtle(const PixelPoint& from, const PixelPoint& target, RangeStyle style,
    const PixelRange& range, const SegmentDrawer& drawSegment)
{
    const PixelPoint start = style == RangeStyle::Window ? from : range.clamped(from);
    if (!target.isFinite())
        return { start, std::nullopt, true };
    switch (style) {
    case RangeStyle::Window:
        drawPiece(drawSegment, start, target);
        return { target, std::nullopt, false };
    case RangeStyle::Fence: {
        const PixelPoint end = range.clamped(target);
        drawPiece(drawSegment, start, end);
        return { end, std::nullopt, false };
    }
    case RangeStyle::Wrap:
    case RangeStyle::Bounce:
        break;
    }
    return travelInside(start, target, style, range, drawSegment);
}

} // namespace velmora
