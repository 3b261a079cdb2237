// TurtlePositions: positions given to turtle primitives as Logo values, turned into pane pixels.
//
// A position is [x y] in cartesian coordinates (Surface.h). Either element, or the whole input,
// may be the word "any": that coordinate is then random, at least a margin away from the pane's
// edges. The main object's variable "anypos" sets the margin, a number for both axes or a list
// [mx my]; it is 10 pixels otherwise. A pane narrower than two margins puts a random coordinate
// on its middle.
//
// Called under the interpreter lock, which guards the random source and the variables.
#pragma once

#include "graphics/PixelRange.h"
#include "graphics/Surface.h"

namespace velmora {

// Error 13 for a value that is no two-element list and not "any"; error 12 for an element that is
// neither a number nor "any".
PixelPoint positionFromList(tlogoobject* position, const Surface& pane);
// [px py] in surface pixels from the top-left corner, y down ("aPos"), with the same errors and
// the same "any".
PixelPoint absolutePositionFromList(tlogoobject* position, const Surface& pane);
// Cartesian coordinates as the pane's pixels, and back, exactly.
PixelPoint pixelOf(LogoReal x, LogoReal y, const Surface& pane);
PixelPoint cartesianOf(const PixelPoint& pixel, const Surface& pane);
// The two inputs of "setxy".
PixelPoint positionFromCoordinates(tlogoobject* x, tlogoobject* y, const Surface& pane);

} // namespace velmora
