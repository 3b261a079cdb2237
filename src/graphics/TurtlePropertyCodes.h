// TurtlePropertyCodes: the numbers of the turtle's properties, which projects store and which
// name the properties that a command declares changed.
#pragma once

#include <cstdint>

namespace velmora::turtleProperty {

inline constexpr int32_t absolutePosition = 1; // "aPos"
inline constexpr int32_t position = 4; // "pos"
inline constexpr int32_t hint = 8;
inline constexpr int32_t shown = 10;
inline constexpr int32_t heading = 40;
inline constexpr int32_t homeState = 41;
inline constexpr int32_t xCor = 42;
inline constexpr int32_t yCor = 43;
inline constexpr int32_t fillColour = 44;
inline constexpr int32_t fillPattern = 45;
inline constexpr int32_t pen = 46;
inline constexpr int32_t penColour = 47;
inline constexpr int32_t penWidth = 48;
inline constexpr int32_t penPattern = 49;
inline constexpr int32_t rangeStyle = 50;
inline constexpr int32_t range = 51;
inline constexpr int32_t frame = 52;
inline constexpr int32_t shape = 53;
inline constexpr int32_t shapeScale = 54;
inline constexpr int32_t shapeColour = 55;
inline constexpr int32_t animation = 56;
inline constexpr int32_t font = 57;
inline constexpr int32_t transparentClick = 58;
inline constexpr int32_t frameItem = 63;
inline constexpr int32_t autoDrag = 64;
inline constexpr int32_t sensitive = 65;
inline constexpr int32_t frameMode = 120;
inline constexpr int32_t shownRange = 131;
inline constexpr int32_t delayScale = 155;

} // namespace velmora::turtleProperty
