// drawOnSurface: one drawing into a surface's bitmap with its kept painter, under the surface
// lock, clipped and in the composition mode of an ink; the painter's state is as it was
// afterwards, and the rectangle the drawing reports is repainted once the lock is let go.
#pragma once

#include "graphics/Ink.h"
#include "graphics/Surface.h"

#include <QPainter>
#include <QRect>

#include <mutex>

namespace velmora {

// `draw(QPainter&)` gives the rectangle it may have changed.
template <typename Draw>
void drawOnSurface(Surface& surface, const QRect& clip, const Ink& ink, const Draw& draw)
{
    QRect changed;
    {
        std::lock_guard hold(surface.lock());
        KeptPainter& kept = surface.painter();
        kept.setClip(clip);
        kept.setMode(ink.composition());
        QPainter& painter = kept.painter();
        painter.save();
        changed = draw(painter);
        painter.restore();
    }
    surface.invalidate(changed);
}

} // namespace velmora
