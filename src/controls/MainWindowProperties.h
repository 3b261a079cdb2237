// The properties of the main window. Its class gives every main window the window's title
// ("caption", 20), its state (66, always 0 here), and what the player keeps without acting on it:
// the voice menu (62), the prompts of the question dialogs (129, 130), the border colour (173),
// whether it takes commands (174), the screen state (182) and whether its bars show (183, 184).
// The main window itself has the page it shows ("activePage", 19) and whether it takes its key
// menu and voice menu (175, 177).
#pragma once

namespace velmora {

class tmultiobject;
class tSplitwindow;

void registerMainWindowClassProperties(tmultiobject& windowClass);
void registerMainWindowOwnProperties(tSplitwindow& window);

} // namespace velmora
