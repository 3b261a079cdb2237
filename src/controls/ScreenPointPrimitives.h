// Where the points of a page or pane lie on the screen, and the mouse pointer over them:
// "toscreen" and "toobject" convert between the surface's cartesian coordinates and the screen's,
// ".windowspos" gives a point's pixel in the window of the page it lies on, "mousestate" tells
// where the pointer is and which of its buttons are down, and "setmousepos" (".setmousepos")
// moves the pointer to a point. Points are [x y] lists (error 6 for no list, 19 for a list that
// is not two numbers). The windows answer in the window thread.
#pragma once

namespace velmora {

class tmultiobject;

void registerScreenPointPrimitives(tmultiobject& surfaceClass);

} // namespace velmora
