// The numbers of pen patterns (line styles, 0 .. 6) and fill patterns (brush styles, 0 .. 7) as
// Logo inputs give them. The last of each draws nothing, and "any" never picks it: a random pen
// pattern is one of 0 .. 5, a random fill pattern one of 0 .. 6.
//
// Under the interpreter lock (the random source).
#pragma once

#include "values/LogoObject.h"

#include <cstdint>

namespace velmora {

constexpr int32_t lastPenPattern = 6;
constexpr int32_t lastFillPattern = 7;

// Error 26 for a number outside the patterns, 12 for no number.
int32_t penPatternNumber(tlogoobject* input);
int32_t fillPatternNumber(tlogoobject* input);

} // namespace velmora
