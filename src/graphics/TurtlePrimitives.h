// The properties and commands of turtles, registered on the turtle prototype. Each acts on the
// running process's current object, which must be a turtle (error 78).
#pragma once

namespace velmora {

class tmultiobject;

void registerTurtlePrimitives(tmultiobject& prototype);

} // namespace velmora
