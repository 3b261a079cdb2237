// BackgroundDrawing: the shapes of the "bg" commands, drawn into a surface's background bitmap
// with the surface's background pen.
//
// Boxes are normalized pixel rectangles whose right and bottom edges lie just outside the shape.
// Each function holds the surface lock while it draws and then reports the changed rectangle to
// the surface's window. The pen is read under the interpreter lock, which the caller holds.
#pragma once

#include "graphics/Surface.h"

#include <QPoint>
#include <QRect>

#include <span>

namespace velmora {

enum class ShapeFill {
    Outline,
    Filled, // filled with the pen's colour, then outlined
};

// The line's last point is drawn too.
void drawBackgroundLine(Surface& surface, QPoint from, QPoint to);
void drawBackgroundDots(Surface& surface, std::span<const QPoint> places);
// Single pixels in the pen's colour, whatever its width (the spray tool's paint).
void setBackgroundPixels(Surface& surface, std::span<const QPoint> places);
void drawBackgroundRectangle(Surface& surface, const QRect& box, ShapeFill fill);
void drawBackgroundEllipse(Surface& surface, const QRect& box, ShapeFill fill);
// The arc of the ellipse in the box, counterclockwise from where the ray from its centre towards
// `from` crosses it to where the ray towards `to` does; the whole ellipse when the two rays are
// the same.
void drawBackgroundArc(Surface& surface, const QRect& box, QPoint from, QPoint to);
// Fills the region of the pixel's colour around it with the pen's colour (ScanlineFill).
void fillBackgroundRegion(Surface& surface, QPoint seed);

} // namespace velmora
