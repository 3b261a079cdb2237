#include "graphics/PictureRotation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {

namespace {

    // Corners that land a hair past a whole pixel by rounding error do not widen the bitmap.
    constexpr double wholePixelSlack = 1e-9;

    // Whole pixels to cover an extent, capped above the largest side a bitmap may have, so that
    // a hot spot far outside the picture shows as too large rather than overflowing.
    int pixelsToCover(double extent)
    {
        return static_cast<int>(std::clamp(
            std::ceil(extent - wholePixelSlack), 0.0, static_cast<double>(largestRotatedSide) + 1));
    }

    struct Extents {
        int left, top, right, bottom; // whole pixels from the hot spot to each edge
    };

    // How far the rotated picture reaches from its hot spot: the corners turned clockwise by the
    // angle whose sine and cosine are given (screen coordinates, y down).
    Extents rotatedExtents(const tLogoPicture& picture, double cosine, double sine)
    {
        const QPoint hot = picture.hotSpot();
        double minX = 0, maxX = 0, minY = 0, maxY = 0;
        const double hotX = hot.x(), hotY = hot.y();
        for (const double x : { -hotX, picture.width() - hotX })
            for (const double y : { -hotY, picture.height() - hotY }) {
                const double turnedX = x * cosine - y * sine;
                const double turnedY = x * sine + y * cosine;
                minX = std::min(minX, turnedX);
                maxX = std::max(maxX, turnedX);
                minY = std::min(minY, turnedY);
                maxY = std::max(maxY, turnedY);
            }
        return { pixelsToCover(-minX), pixelsToCover(-minY), pixelsToCover(maxX),
            pixelsToCover(maxY) };
    }

    // Half of an odd doubled offset, truncated toward zero as the mapping requires.
    int64_t halfOffset(double doubled) { return (std::llround(doubled) - 1) / 2; }

} // namespace

PictureRef rotatedPicture(const tLogoPicture& picture, LogoReal degrees)
{
    if (!picture.hasImage())
        return makePicture({}, {}, picture.hotSpot(), picture.delay());
    const double angle = static_cast<double>(degrees) * std::numbers::pi / 180;
    // Back from the new bitmap into the old one: a turn by t = -angle.
    const double cosT = std::cos(-angle), sinT = std::sin(-angle);
    const Extents reach = rotatedExtents(picture, std::cos(angle), std::sin(angle));
    const QSize size(reach.left + reach.right, reach.top + reach.bottom);
    if (size.width() > largestRotatedSide || size.height() > largestRotatedSide)
        return nullptr;
    const QPoint hot = picture.hotSpot();
    QImage rotated(size, QImage::Format_RGB32);
    rotated.fill(qRgb(0, 0, 0));
    QImage mask = makeOpaqueMask(size);
    const QImage& source = picture.image();
    for (int m = 0; m < size.height(); ++m) {
        auto* line = reinterpret_cast<QRgb*>(rotated.scanLine(m));
        for (int n = 0; n < size.width(); ++n) {
            const double dx = 2 * (n - reach.left) + 1, dy = 2 * (m - reach.top) + 1;
            const int64_t column = hot.x() + halfOffset(dx * cosT - dy * sinT);
            const int64_t row = hot.y() + halfOffset(dx * sinT + dy * cosT);
            const bool inside
                = column >= 0 && column < source.width() && row >= 0 && row < source.height();
            const int x = static_cast<int>(column), y = static_cast<int>(row);
            if (inside && !picture.isTransparentAt(x, y))
                line[n] = source.pixel(x, y);
            else
                setTransparent(mask, n, m);
        }
    }
    return makePicture(
        std::move(rotated), std::move(mask), { reach.left, reach.top }, picture.delay());
}

} // namespace velmora
