// The classes of the window layer, made in the main object at start-up: "MainWindow", "Page",
// "Pane" and "Turtle", each a prototype with its kind and its commands (the turtle's with its ask
// table too); and the main window with its first page and a turtle on it, as a program starts
// without a project.
#pragma once

namespace velmora {

class tMainLogoObject;
class tSplitwindow;
struct ProcessStart;

// Under the interpreter lock, outside any process. The command line runs as the main window and
// addresses the first page's turtle at first.
tSplitwindow& makeStartingWindow(tMainLogoObject& main, ProcessStart& commandLine);

} // namespace velmora
