#include "graphics/PictureTint.h"

namespace velmora {

namespace {

    int brightness(QRgb colour) { return (qRed(colour) + qGreen(colour) + qBlue(colour)) / 3; }

} // namespace

// With f the tint's brightness and v the pixel's, m is the pixel's brightness on the tint's scale:
// v * f / 128 for a dark tint, and for a light one a line through (0, 255 - 2l) and (255, 255)
// (l = 255 - f). Up to f each channel C of the tint is scaled by m / f; above f the channel runs
// from C up to 255.
QRgb tintedPixel(QRgb pixel, QRgb tint)
{
    const int f = brightness(tint);
    const int v = brightness(pixel);
    const int l = 255 - f;
    const int m = f >= 128 ? ((v * l) >> 7) - 2 * l + 255 : (v * f) >> 7;
    auto channel = [&](int c) { return m > f ? 255 - (255 - m) * (255 - c) / l : c * m / f; };
    return qRgb(channel(qRed(tint)), channel(qGreen(tint)), channel(qBlue(tint)));
}

PictureRef tintedPicture(const tLogoPicture& picture, QRgb tint)
{
    if (!picture.hasImage())
        return makePicture({}, {}, picture.hotSpot(), picture.delay());
    QImage tinted = picture.image();
    const bool black = brightness(tint) == 0;
    for (int y = 0; y < tinted.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        for (int x = 0; x < tinted.width(); ++x)
            line[x] = black ? qRgb(0, 0, 0) : tintedPixel(line[x], tint);
    }
    // The picture blackens what its mask makes transparent.
    return makePicture(std::move(tinted), picture.mask(), picture.hotSpot(), picture.delay());
}

} // namespace velmora
