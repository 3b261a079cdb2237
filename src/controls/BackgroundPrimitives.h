// The "bg" commands that draw into the background of a surface, its background pen and origin as
// properties, the conversions between its cartesian and pixel points, undo, and the background as
// a picture file. Like the other surface commands, pages, panes and the main window register them
// and they act on the running object's pane or page; "undodrawing" belongs to the main window
// alone.
#pragma once

namespace velmora {

class tmultiobject;

void registerBackgroundPrimitives(tmultiobject& surfaceClass);
void registerWindowBackgroundPrimitives(tmultiobject& windowClass);

} // namespace velmora
