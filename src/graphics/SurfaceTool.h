// SurfaceTool: the tool the user draws on a surface's background with, when a program has
// switched the surface into one ("bgfreehand", "bgspray", the "bgflexible" shapes). The left
// button then draws instead of raising the mouse events; a right-button press puts the tool down.
#pragma once

#include <cstdint>

namespace velmora {

enum class SurfaceTool : uint8_t {
    None,
    Freehand,
    Spray,
    FlexibleLine,
    FlexibleRectangle,
    FlexibleFilledRectangle,
    FlexibleEllipse,
    FlexibleFilledEllipse,
};

} // namespace velmora
