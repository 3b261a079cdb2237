// Dots: the round spots of "dot", "point" and drawing lists. A dot covers the pixels whose
// centres lie in the circle inscribed in a size-by-size square around its pixel (half a pixel
// towards the top-left for even sizes); size 1 is the one pixel. It is filled row by row rather
// than drawn as a wide point, whose edge Qt rasterizes lopsidedly for some sizes.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <cstdint>

namespace velmora {

// In the painter's composition mode and clip.
void paintDot(QPainter& painter, QPoint at, int32_t size, const QColor& colour);
QRect dotArea(QPoint at, int32_t size);

} // namespace velmora
