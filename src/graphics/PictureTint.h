// Tinting a picture: its brightness carried over to shades of the tint colour. Dark pixels take
// the tint scaled down toward black; for a light tint, bright pixels run up toward white. A black
// tint makes the picture black. Transparent pixels stay black; a picture without bitmap stays one.
#pragma once

#include "graphics/LogoPicture.h"

#include <QRgb>

namespace velmora {

PictureRef tintedPicture(const tLogoPicture& picture, QRgb tint);

// One pixel of colour `pixel` under the tint; the tint's brightness must not be 0.
QRgb tintedPixel(QRgb pixel, QRgb tint);

} // namespace velmora
