// The list operations that read drawing lists and splines as points: "topoints", "tovectors" and
// "spline". Coordinates are cartesian (y up), like those the lists are written in.
#pragma once

#include "values/LogoObject.h"

namespace velmora {

enum class PointForm {
    Points, // [x y] where each point lies
    Vectors, // [dx dy] from the point before
};

// The list, filled in as "!" does, compiled as a drawing list from [0 0] at heading 0: the points
// of its lines and polygons in order, those of one item after those of the one before, with an
// empty list between them. A vector starts at the point before, the first of all at [0 0].
tlogoobject* drawingListPoints(tlogoobject* list, PointForm form);
// The smoothed spline through the points of a list of [x y]; error 10 naming an element of
// another form.
tlogoobject* splinePoints(tlogoobject* list);

} // namespace velmora
