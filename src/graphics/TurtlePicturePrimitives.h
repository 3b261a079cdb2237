// The turtle's commands between its page and pictures: "stamppicture" puts a picture on the
// background with its hot spot at the turtle, and "getimage" cuts an image out of the background
// from the turtle's place.
#pragma once

namespace velmora {

class tmultiobject;

void registerTurtlePicturePrimitives(tmultiobject& prototype);

} // namespace velmora
