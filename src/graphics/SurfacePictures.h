// SurfacePictures: the background of a surface as images, and images drawn onto it.
//
// Capturing copies a rectangle of the background into a one-picture image; drawing puts a picture
// into a rectangle of the background, stretched to it, letting the background show through where
// the picture's mask is transparent. Both hold the surface lock; drawing reports the rectangle it
// changed to the surface's window.
#pragma once

#include "graphics/LogoImage.h"
#include "graphics/LogoPicture.h"
#include "graphics/Surface.h"

#include <QRect>

#include <cstdint>
#include <optional>

namespace velmora {

// The capture modes, combined as bits.
namespace capture {
    // Pixels are copied as they are; without it, pixels of the background colour are transparent.
    constexpr int32_t opaque = 1;
    // The hot spot is the top-left corner; without it, the centre.
    constexpr int32_t hotSpotAtCorner = 2;
    // A rectangle with nothing of the background in it gives the empty image; without it, such a
    // rectangle means the whole background.
    constexpr int32_t emptyStaysEmpty = 4;
}

// The picture's pixels as they are drawn: with `tint` drawn in `pen`, and its mask as
// transparency, so that stretching the one image stretches both alike.
QImage pixelsToDraw(const tLogoPicture& picture, std::optional<QRgb> tint = {}, QRgb pen = 0);

// The pixels of `area` (clamped to the background) as an image of one frame of one picture.
tLogoImage* captureSurface(Surface& surface, QRect area, int32_t mode);

// Draws the picture stretched into `target` (pixels, normalized), clipped to the background.
void drawPicture(Surface& surface, const tLogoPicture& picture, const QRect& target);

// Draws the picture repeated from the top-left corner of `area` in steps of `tile` until the area
// is covered, clipped to the area.
void tilePicture(Surface& surface, const tLogoPicture& picture, const QRect& area, QSize tile);

} // namespace velmora
