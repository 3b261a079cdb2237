// BackgroundPen: the pen of a surface's "bg" commands, its colour, width and pattern, and the
// QPen it draws with. Outlines drawn with it are aliased, as the background is a bitmap that
// "bgfill" must be able to fill up to the line.
//
// Set and read by Logo processes under the interpreter lock; drawing copies it.
#pragma once

#include "graphics/TurtlePatterns.h"

#include <QPen>
#include <QRect>
#include <QRgb>

#include <cstdint>

namespace velmora {

struct BackgroundPen {
    QRgb colour = qRgb(0, 0, 0);
    int32_t width = 1; // at least 1
    LineStyle style = LineStyle::SolidInsideFrame;

    QPen qpen() const;
    bool drawsOutlines() const { return style != LineStyle::None; }
    // The line of an outline of the box (TurtlePatterns' outlinePath).
    QRectF outlinePath(const QRect& box) const;
};

} // namespace velmora
