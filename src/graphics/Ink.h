// Ink: how a pen mode marks a surface's bitmap. "pendown" (and "penup", for what is drawn on
// purpose rather than left behind by a move) paints in the colours given; "penerase" paints the
// pen's marks in the surface's background colour; "penreverse" inverts by exclusive-or in white,
// pen and brush alike, so that drawing the same thing twice leaves the bitmap as it was.
#pragma once

#include "graphics/TurtlePen.h"

#include <QPainter>
#include <QRgb>

namespace velmora {

struct Ink {
    PenMode mode = PenMode::Down;
    QRgb background = qRgb(255, 255, 255); // the surface's

    // The colour of lines, dots and text drawn in the pen's colour.
    QRgb pen(QRgb colour) const;
    // The colour of fills drawn with the brush's colour.
    QRgb brush(QRgb colour) const;
    QPainter::CompositionMode composition() const;
};

} // namespace velmora
