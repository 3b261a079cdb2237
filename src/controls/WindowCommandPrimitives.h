// The commands of a window about itself: its menu bar ("setmenu"), its size and the layout of
// its screen, which the player accepts and leaves as they are, the text its processes printed
// ("cleartext"), and printing, which the player cannot do (error 52). They are registered on the
// main window's class, so that every window made from it has them.
#pragma once

namespace velmora {

class tmultiobject;

void registerWindowCommands(tmultiobject& windowClass);
// "printme", which a page has in place of the window's printing commands.
void registerPagePrinting(tmultiobject& pageClass);

} // namespace velmora
