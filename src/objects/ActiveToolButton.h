// The active tool button: while one is active, a left click on a graphic object that accepts
// tools runs the tool's "onTool" handler for that object instead of the object's own events.
//
// Locking: read and set under the interpreter lock. An erased tool button is no longer active.
#pragma once

namespace velmora {

class tmultiobject;

tmultiobject* activeToolButton();
void setActiveToolButton(tmultiobject* tool);

} // namespace velmora
