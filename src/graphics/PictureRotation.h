// Rotating a picture clockwise about its hot spot, nearest neighbour without smoothing.
//
// The new bitmap is just large enough to hold the whole rotated picture around the hot spot, so
// the hot spot moves within the bitmap but stays on the same point of the picture. Each pixel of
// the new bitmap is mapped back into the old one through its centre, in doubled coordinates so
// that centres are whole numbers; a pixel that falls outside the old picture, or on a transparent
// pixel of it, is transparent. The result always has a mask; the delay is kept.
#pragma once

#include "graphics/LogoPicture.h"
#include "values/LogoObject.h"

namespace velmora {

inline constexpr int largestRotatedSide = 32767;

// None when the rotated bitmap would be wider or higher than `largestRotatedSide` (a hot spot far
// outside the picture makes it so). The angle must be finite.
PictureRef rotatedPicture(const tLogoPicture& picture, LogoReal degrees);

} // namespace velmora
