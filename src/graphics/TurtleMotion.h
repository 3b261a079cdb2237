// TurtleMotion: the path of a turtle moving from its position to a target under one of the four
// edge behaviours of its range.
//
// "window" lets the turtle leave the range; "fence" stops it on the edge; "wrap" carries the path
// across to the opposite edge each time it leaves; "bounce" reflects it off the edge it meets.
// The move is pure geometry: it hands every piece of the path it draws to a callback and reports
// where the turtle ends, so that the caller draws, turns and raises events under its own locks.
#pragma once

#include "graphics/PixelRange.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace velmora {

// The order is the order of the range-style words and of the stored property.
enum class RangeStyle : uint8_t { Wrap = 0, Window = 1, Fence = 2, Bounce = 3 };

// Draws one piece of a move, from and to in pane pixels. An empty drawer moves without drawing.
using SegmentDrawer = std::function<void(const PixelPoint& from, const PixelPoint& to)>;

// A wrapping or bouncing move of a few billion pixels, or one in a range too narrow to cross
// (the carry over an edge is the range's extent minus 1, which is 0 or less then), would go on
// for ages or for ever; the move stops after this many pieces.
inline constexpr int32_t maximumMovePieces = 100000;

struct MoveResult {
    PixelPoint position; // where the turtle ends
    // The last point where a bounce met the range's edge, when the turtle ended away from it: the
    // turtle then heads away from it and "onBounce" is due.
    std::optional<PixelPoint> bouncePoint;
    // The target had no finite coordinates, and the turtle stayed where it was; or the path
    // needed more than `maximumMovePieces` pieces, and the turtle stayed on the last edge it
    // reached.
    bool cutShort = false;
};

// Outside "window" the start is first brought into the range, so that a turtle left outside by
// an earlier "window" move resumes from the edge.
MoveResult moveTurtle(const PixelPoint& from, const PixelPoint& target, RangeStyle style,
    const PixelRange& range, const SegmentDrawer& drawSegment);

} // namespace velmora
