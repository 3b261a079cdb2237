#include "graphics/SurfaceOwner.h"

#include "graphics/Turtle.h"

namespace velmora {

void SurfaceOwner::clearScreen()
{
    for (tTurtle* turtle : surface().itemsOfType<tTurtle>())
        turtle->home();
    surface().clean();
}

} // namespace velmora
