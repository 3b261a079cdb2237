// TurtleOverlap: whether two turtles' shapes overlap, and where a shape lies against a range.
//
// Shapes are compared by their shape rectangles (pane pixels). By default a rectangle stands for
// the ellipse inscribed in it, approximated by one circle or by the lens where two circles meet,
// so that the transparent corners of a round shape do not collide; the main object's variable
// "overlapmode" switches to comparing the rectangles themselves.
#pragma once

#include "graphics/PixelRange.h"

#include <QRect>

namespace velmora {

enum class OverlapTest { Rectangles, Circles };

// "overlapmode" read as a non-zero integer selects rectangles. Reads a global variable, so it is
// called under the interpreter lock; without a running process the default holds.
OverlapTest overlapTestInForce();

// Whether the shapes in two rectangles overlap; whether they are shown is the caller's to check.
bool shapesOverlap(const QRect& first, const QRect& second, OverlapTest test);

// "inside?": the shape shares at least one pixel with the range.
bool shapeTouchesRange(const QRect& shape, const PixelRange& range);
// "outside?": the shape is not wholly within the range (its edges included).
bool shapeLeavesRange(const QRect& shape, const PixelRange& range);

} // namespace velmora
