// The classes of the window layer, made in the main object at start-up: "MainWindow", "Page",
// "Pane" and "Turtle", each a prototype with its kind and its commands (the turtle's with its ask
// table too); and the main window with its first page and a turtle on it, as a program starts
// without a project.
#pragma once

#include "interpreter/InterpreterState.h"

namespace velmora {

class tMainLogoObject;
class tSplitwindow;

// Under the interpreter lock, outside any process. The main window is the object the command line
// runs as; `who` and `table` are what it addresses at first (the first page's turtle).
struct StartingWindow {
    tSplitwindow* mainWindow;
    InterpreterState::WhoList who;
    tLogoTab* table;
};
StartingWindow makeStartingWindow(tMainLogoObject& main);

} // namespace velmora
