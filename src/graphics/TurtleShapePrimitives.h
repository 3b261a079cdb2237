// The commands of turtles about where their shapes lie: against other turtles ("overlap?",
// "overlaplist", "overlapped"), against ranges ("inside?", "outside?", "shaperectangle") and in
// the painting order of their surface ("toFront", "toBack"). Each acts on the running process's
// current object, which must be a turtle (error 78).
#pragma once

namespace velmora {

class tmultiobject;

void registerTurtleShapePrimitives(tmultiobject& prototype);

} // namespace velmora
