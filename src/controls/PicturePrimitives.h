// The background of a page or pane as pictures: "takepicture" captures part of it as an image and
// "putpicture" puts an image on it. Pages, panes and the main window register them, and they act
// on the running object's page or pane.
#pragma once

namespace velmora {

class tmultiobject;

void registerPicturePrimitives(tmultiobject& surfaceClass);

} // namespace velmora
