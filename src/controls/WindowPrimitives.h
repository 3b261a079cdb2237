// The commands of pages and of the main window. The commands of a surface act on the pane or page
// the running object is on, and from the main window on its current page, so pages, panes and the
// main window register the same ones; the main window adds those that make, show and list pages.
#pragma once

namespace velmora {

class tmultiobject;

// The surface commands, the "bg" drawing commands among them.
void registerSurfacePrimitives(tmultiobject& surfaceClass);
void registerPagePrimitives(tmultiobject& pageClass);
void registerMainWindowPrimitives(tmultiobject& windowClass);

} // namespace velmora
