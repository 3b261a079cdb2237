// RectangleInputs: points and rectangles given to the surface commands as Logo lists.
//
// A rectangle is two corners [[x1 y1] [x2 y2]] or a corner and an extent [x y width height],
// whose second corner is (x + width, y + height). The second corner lies just outside a shape
// drawn in the rectangle: [0 0 10 10] holds 10 by 10 pixels. The "bg" commands give it in pixels
// from the top-left corner, y down. "takepicture" and "createselection" give it in cartesian
// coordinates (Surface.h): there the first corner of the four-number form is the top-left one,
// from which the extent reaches right and down in pixels; a side of no extent reaches the right or
// bottom edge of the background; and [] is the whole background.
//
// Called under the interpreter lock, which guards the values.
#pragma once

#include "graphics/Surface.h"
#include "values/LogoObject.h"

#include <QPoint>
#include <QPointF>
#include <QRect>

namespace velmora {

// The two corners in the order given, which matters to lines and arcs.
struct RectangleCorners {
    QPoint first;
    QPoint second;

    // The corners swapped as needed so that the first is the top-left one.
    QRect normalized() const;
};

// [x y]: error 6 for a value that is no list, error 19 for a list that is not two numbers.
QPointF pointFromList(tlogoobject* point);

// A rectangle in pixels. Error 6 for a value that is no list, error 20 for a list of neither form,
// error 19 for a corner that is no point.
RectangleCorners rectangleFromList(tlogoobject* rectangle);

// A rectangle in cartesian coordinates, as pixels of the surface, normalized but not clipped to
// it. Errors as rectangleFromList, except that [] is allowed.
QRect cartesianRectangleFromList(tlogoobject* rectangle, const Surface& surface);

} // namespace velmora
