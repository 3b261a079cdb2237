// EllipseArc: the points that stand for an ellipse or an arc of it in a drawing list.
//
// Headings on the ellipse start straight up and grow clockwise, like the turtle's; the ellipse is
// turned by the drawing heading. The arc is sampled every 1 to 12 degrees, more finely the larger
// the ellipse, and always ends exactly at its last heading.
#pragma once

#include "core/DrawingItem.h"

#include <vector>

namespace velmora {

struct EllipseArc {
    DrawingPoint centre;
    LogoReal width;
    LogoReal height;
    LogoReal heading; // the drawing heading
    LogoReal from = 0; // the arc's headings; 0 to 360 is the whole ellipse
    LogoReal to = 360;
};

// The record of the arc, its headings brought to from in [0, 360) and to in (from, from + 360].
EllipseRecord ellipseRecord(const EllipseArc& arc);
// The sampled points of the arc, unrounded; a pie has its centre before and after them.
std::vector<DrawingPoint> ellipsePoints(const EllipseArc& arc);

} // namespace velmora
