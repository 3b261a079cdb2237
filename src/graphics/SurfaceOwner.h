// SurfaceOwner: an object that has a drawing surface (a page or a pane), on which the objects
// placed in it draw.
#pragma once

namespace velmora {

class Surface;

class SurfaceOwner {
public:
    virtual ~SurfaceOwner() = default;
    virtual Surface& surface() = 0;
};

} // namespace velmora
