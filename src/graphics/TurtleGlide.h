// "glide": the turtle travels the lines of a drawing list step by step, pausing or running an
// instruction list after each whole step, as an animated move.
#pragma once

namespace velmora {

class tmultiobject;

void registerTurtleGlide(tmultiobject& prototype);

} // namespace velmora
