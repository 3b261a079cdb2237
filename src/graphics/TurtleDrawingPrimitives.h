// The drawing commands of turtles, registered on the turtle prototype: drawing lists ("drawlist"
// and its one-command forms "polygon", "outline", "drawspline", "ellipse", "filledellipse"),
// "circle", "filledcircle", "label", "label2", "fill" and "stamp", with "textsize" and "settt" of
// the label font. Each draws at the current
// object's turtle (error 78 when it is none), in its pen's mode and within its range; only
// "label2" moves the turtle.
#pragma once

#include "core/DrawingItem.h"

namespace velmora {

class tmultiobject;
class tTurtle;

void registerTurtleDrawingPrimitives(tmultiobject& prototype);

// What a drawing list compiled for the turtle starts from: its pen, brush and label font.
DrawingStyle drawingStyleOf(const tTurtle& turtle);

} // namespace velmora
