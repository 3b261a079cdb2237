// The commands of pages and of the main window. The commands of a surface act on the page the
// running object is on, and from the main window on its current page, so both classes register
// the same ones; the main window adds those that make, show and list pages.
#pragma once

namespace velmora {

class tmultiobject;

void registerPagePrimitives(tmultiobject& pageClass);
void registerMainWindowPrimitives(tmultiobject& windowClass);

} // namespace velmora
