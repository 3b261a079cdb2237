// AnimatedShape: a shape whose steps the animation thread shows one after the other.
#pragma once

namespace velmora {

class AnimatedShape {
public:
    virtual ~AnimatedShape() = default;
    // Shows the next step and repaints, in the animation thread, which holds none of its locks
    // meanwhile; the shape schedules its following step when it is painted. It must not throw.
    virtual void advance() = 0;
};

} // namespace velmora
