// SurfaceOwner: an object that has a drawing surface (a page or a pane), on which the objects
// placed in it draw.
#pragma once

namespace velmora {

class Surface;

class SurfaceOwner {
public:
    virtual ~SurfaceOwner() = default;
    virtual Surface& surface() = 0;

    // Every turtle of the surface back home, then the background cleaned. Under the interpreter
    // lock, which guards the turtles' state.
    void clearScreen();
};

} // namespace velmora
