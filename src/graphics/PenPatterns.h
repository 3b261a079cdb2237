// PenPatterns: the line styles that pen pattern numbers stand for; every pen of the program
// numbers them alike.
//
// Pattern 0 is solid and kept inside the frame: an outlined shape of a wide pen stays within its
// box. Pattern 5 is solid too but centred on the outline, as thin lines are; 6 draws nothing.
#pragma once

#include <Qt>

#include <cstdint>

namespace velmora {

constexpr int32_t lastPenPattern = 6;

struct PenPattern {
    Qt::PenStyle style;
    bool insideFrame; // outlines are drawn inside the shape's box
};

// The pattern of a number from 0 to lastPenPattern.
PenPattern penPattern(int32_t number);

} // namespace velmora
