#include "graphics/SurfacePictures.h"

#include "graphics/LogoImage.h"

#include <QPainter>

#include <functional>

namespace velmora {

namespace {

    // The picture as one image whose alpha is the mask: stretching it stretches both alike, as
    // drawing the mask and the bitmap each into the same rectangle would.
    QImage withTransparency(const tLogoPicture& picture)
    {
        if (!picture.hasMask())
            return picture.image();
        QImage result = picture.image().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < result.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
            for (int x = 0; x < result.width(); ++x)
                if (picture.isTransparentAt(x, y))
                    row[x] = qRgba(0, 0, 0, 0);
        }
        return result;
    }

    void paintPicture(Surface& surface, const tLogoPicture& picture, const QRect& clip,
        const std::function<void(QPainter&, const QImage&)>& place)
    {
        if (!picture.hasImage() || clip.isEmpty())
            return;
        const QImage shown = withTransparency(picture);
        {
            std::lock_guard hold(surface.lock());
            QPainter painter(&surface.bitmap());
            painter.setClipRect(clip);
            place(painter, shown);
        }
        surface.invalidate(clip);
    }

} // namespace

tLogoImage* captureSurface(Surface& surface, QRect area, int32_t mode)
{
    area = area.normalized() & surface.bounds();
    if (area.isEmpty()) {
        if (mode & capture::emptyStaysEmpty)
            return new tLogoImage;
        area = surface.bounds();
    }
    QImage pixels;
    {
        std::lock_guard hold(surface.lock());
        pixels = surface.bitmap().copy(area);
    }
    QImage mask;
    if (!(mode & capture::opaque)) {
        const QRgb background = surface.background() | 0xff000000;
        mask = makeOpaqueMask(pixels.size());
        for (int y = 0; y < pixels.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
            for (int x = 0; x < pixels.width(); ++x)
                if ((row[x] | 0xff000000) == background)
                    setTransparent(mask, x, y);
        }
    }
    const QPoint hotSpot = (mode & capture::hotSpotAtCorner)
        ? QPoint(0, 0)
        : QPoint(pixels.width() / 2, pixels.height() / 2);
    PictureRef picture = makePicture(std::move(pixels), std::move(mask), hotSpot, 0);
    return new tLogoImage({ makeFrame({ std::move(picture) }) }, { .style = FrameStyle::Frame });
}

void drawPicture(Surface& surface, const tLogoPicture& picture, const QRect& target)
{
    paintPicture(surface, picture, target & surface.bounds(),
        [&](QPainter& painter, const QImage& shown) { painter.drawImage(target, shown); });
}

void tilePicture(Surface& surface, const tLogoPicture& picture, const QRect& area, QSize tile)
{
    if (tile.isEmpty())
        return;
    paintPicture(
        surface, picture, area & surface.bounds(), [&](QPainter& painter, const QImage& shown) {
            for (int y = area.top(); y <= area.bottom(); y += tile.height())
                for (int x = area.left(); x <= area.right(); x += tile.width())
                    painter.drawImage(QRect(QPoint(x, y), tile), shown);
        });
}

} // namespace velmora
