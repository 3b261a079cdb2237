// TurtleRanges: the rectangle a turtle moves in, or its shape is shown in, as a Logo list and as
// pane pixels.
//
// A range is [] (none: the whole pane), [x y w h] (the top-left corner in cartesian coordinates,
// extending w to the right and h down; a width or height of 0 reaches the pane's right or bottom
// edge), or two corners [x y [x2 y2]] or [[x y] [x2 y2]]. The second corner, and the extent, lie
// just outside the range: [0 0 10 10] holds 10 by 10 pixels. Edges beyond 32000 pixels either way
// are cut back to that, which keeps every edge a valid pixel coordinate.
//
// Called under the interpreter lock, which guards the values.
#pragma once

#include "graphics/PixelRange.h"
#include "graphics/Surface.h"
#include "values/LogoList.h"

#include <optional>

namespace velmora {

// None for []. Error 6 for a value or corner that is no list, error 10 for a list of the wrong
// length, error 12 for a coordinate that is no number.
std::optional<PixelRange> rangeFromList(tlogoobject* range, const Surface& pane);

// [x y w h], or [] for none.
tLogoList* rangeToList(const std::optional<PixelRange>& range, const Surface& pane);

} // namespace velmora
