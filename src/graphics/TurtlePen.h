// TurtlePen: the pen a turtle draws with, and how it marks its surface's bitmap.
//
// The mode decides how the pen marks: "pendown" paints in the pen's colour, "penerase" in the
// surface's background colour, "penreverse" by exclusive-or, so that drawing the same line twice
// leaves the bitmap as it was; "penup" draws no lines. The width is in pixels and the line style
// one of the pen patterns (TurtlePatterns).
//
// The drawing functions take the surface lock themselves; they are called with the interpreter
// lock held and the surface lock not. A dot tells the surface what changed; a line, one piece of
// a turtle's move, leaves that to the move, which tells it once.
#pragma once

#include "graphics/Surface.h"
#include "graphics/TurtlePatterns.h"

#include <QColor>

#include <cstdint>

namespace velmora {

enum class PenMode : uint8_t { Up, Down, Reverse, Erase };

struct TurtlePen {
    PenMode mode = PenMode::Down;
    QRgb colour = qRgb(0, 0, 0);
    int32_t width = 1; // pixels, 1 or more
    LineStyle style = LineStyle::SolidInsideFrame;

    // A line from one pixel to another, clipped to `clip`; nothing when the pen is up. Gives the
    // area it may have changed, for the caller to tell the surface with the rest of its changes.
    QRect drawLine(Surface& surface, QPoint from, QPoint to, const QRect& clip) const;
    // A round dot of `size` pixels across centred on the pixel, in any mode but "penup", which
    // paints as "pendown" does: a dot is asked for, not left behind by a move.
    void drawDot(Surface& surface, QPoint at, int32_t size) const;
};

} // namespace velmora
