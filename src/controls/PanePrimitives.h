// The commands and properties of panes: the surface commands of pages, "toFront" and "toBack",
// which move the pane's window among the page's windows, "startMove" and "startDrag", the place
// ("aPos", "pos", ".setpos", ".setapos"), "size", "clickedpos" and "autoDrag".
#pragma once

namespace velmora {

class tmultiobject;

void registerPanePrimitives(tmultiobject& paneClass);

} // namespace velmora
