// The turtle's properties of its shape: the shape itself (an image, a picture's name, or [] for
// the default shape), the frame and animation step shown, whether frames are chosen by hand,
// the scale, the colour drawn in the pen's colour, animation and its delay scale, and whether
// clicks pass through transparent pixels.
#pragma once

namespace velmora {

class tmultiobject;

void registerTurtleShapeProperties(tmultiobject& prototype);

} // namespace velmora
