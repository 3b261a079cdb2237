// The built-in class "Turtle": its prototype, with the turtle's properties and commands, and the
// kind that makes turtles on the surface of the page or pane they are placed in.
#pragma once

namespace velmora {

class tcontainerobject;
class tmultiobject;

// Makes the prototype in the container (the main object) under the language's class name.
tmultiobject& makeTurtleClass(tcontainerobject& container);
// Whether the objects of the class are turtles (it is "Turtle" or made from it with "newclass").
bool makesTurtles(const tmultiobject& objectClass);

} // namespace velmora
