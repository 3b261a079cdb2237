// The turtles of a page or pane as a list: their names in painting order ("allturtles"), a new
// painting order ("reorder"), and those whose shape covers a point ("overlappedpos").
#pragma once

namespace velmora {

class tmultiobject;

void registerTurtleListPrimitives(tmultiobject& surfaceClass);

} // namespace velmora
