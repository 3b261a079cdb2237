#include "graphics/TurtlePen.h"

#include "graphics/Dots.h"
#include "graphics/Ink.h"

#include <QPainter>

namespace velmora {

namespace {

    // Sets up the surface's painter for the pen's mode and gives the colour it marks in.
    QRgb preparePainter(KeptPainter& painter, const TurtlePen& pen, const Surface& surface)
    {
        const Ink ink { pen.mode, surface.background() };
        painter.setMode(ink.composition());
        return ink.pen(pen.colour);
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

void TurtlePen::drawDot(Surface& surface, QPoint at, int32_t size) const
{
    {
        std::lock_guard hold(surface.lock());
        KeptPainter& kept = surface.painter();
        kept.setClip(QRect());
        paintDot(kept.painter(), at, size, QColor(preparePainter(kept, *this, surface)));
    }
    surface.invalidate(dotArea(at, size));
}

} // namespace velmora
