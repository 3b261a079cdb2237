#include "graphics/TurtlePen.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

    // Sets up the surface's painter for the pen's mode: exclusive-or draws in white, so that it
    // inverts whatever lies under it.
    QRgb preparePainter(KeptPainter& painter, const TurtlePen& pen, const Surface& surface)
    {
        const bool reverse = pen.mode == PenMode::Reverse;
        painter.setMode(reverse ? QPainter::RasterOp_SourceXorDestination
                                : QPainter::CompositionMode_SourceOver);
        switch (pen.mode) {
        case PenMode::Reverse:
            return qRgb(255, 255, 255);
        case PenMode::Erase:
            return surface.background();
        case PenMode::Up:
        case PenMode::Down:
            break;
        }
        return pen.colour;
    }

    QRect grownBy(const QRect& area, int32_t width)
    {
        const int grow = width / 2 + 3;
        return area.normalized().adjusted(-grow, -grow, grow, grow);
    }

} // namespace

// A one-pixel line that does not draw by exclusive-or also paints its end pixel, so that a closed
// figure leaves no gap at its last corner. Patterned lines have flat ends, so that dashes and
// gaps keep the lengths of the pattern: round caps would lengthen each dash by the pen's width.
QRect TurtlePen::drawLine(Surface& surface, QPoint from, QPoint to, const QRect& clip) const
{
    if (mode == PenMode::Up)
        return {};
    const Qt::PenStyle qtStyle = qtPenStyle(style);
    const bool solid = qtStyle == Qt::SolidLine;
    {
        std::lock_guard hold(surface.lock());
        KeptPainter& kept = surface.painter();
        kept.setClip(clip);
        const QRgb colour = preparePainter(kept, *this, surface);
        kept.setPen({ colour, width, qtStyle, solid ? Qt::RoundCap : Qt::FlatCap });
        kept.painter().drawLine(from, to);
        if (width == 1 && solid && mode != PenMode::Reverse)
            kept.painter().drawPoint(to);
    }
    return grownBy(QRect(from, to), width);
}

// The dot covers the pixels whose centres lie in the circle inscribed in a size-by-size square
// around `at` (half a pixel towards the top-left for even sizes). It is filled row by row rather
// than drawn as a wide point, whose edge Qt rasterizes lopsidedly for some sizes.
void TurtlePen::drawDot(Surface& surface, QPoint at, int32_t size) const
{
    const QPoint corner = at - QPoint(size / 2, size / 2);
    const double centre = (size - 1) / 2.0;
    const double radiusSquared = double(size) * size / 4;
    {
        std::lock_guard hold(surface.lock());
        KeptPainter& kept = surface.painter();
        kept.setClip(QRect());
        const QColor colour(preparePainter(kept, *this, surface));
        for (int row = 0; row < size; ++row) {
            const double rise = row - centre;
            const double reach = std::sqrt(std::max(0.0, radiusSquared - rise * rise));
            const int first = int(std::ceil(centre - reach));
            const int last = int(std::floor(centre + reach));
            if (first <= last)
                kept.painter().fillRect(
                    QRect(corner.x() + first, corner.y() + row, last - first + 1, 1), colour);
        }
    }
    surface.invalidate(QRect(corner, QSize(size, size)));
}

} // namespace velmora
