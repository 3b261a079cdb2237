#include "graphics/SurfacePictures.h"

#include "graphics/LogoImage.h"

#include <QPainter>

#include <functional>

namespace velmora {

namespace {

    void paintPicture(Surface& surface, const tLogoPicture& picture, const QRect& clip,
        const std::function<void(QPainter&, const QImage&)>& place)
    {
        if (!picture.hasImage() || clip.isEmpty())
            return;
        const QImage shown = pixelsToDraw(picture);
        {
            std::lock_guard hold(surface.lock());
            QPainter painter(&surface.bitmap());
            painter.setClipRect(clip);
            place(painter, shown);
        }
        surface.invalidate(clip);
    }

} // namespace

QImage pixelsToDraw(const tLogoPicture& picture, std::optional<QRgb> tint, QRgb pen)
{
    if (!picture.hasMask() && !tint)
        return picture.image();
    QImage pixels = picture.image().convertToFormat(QImage::Format_ARGB32);
    const QRgb from = tint ? (*tint | 0xff000000) : 0;
    const QRgb to = pen | 0xff000000;
    for (int y = 0; y < pixels.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (picture.isTransparentAt(x, y))
                row[x] = qRgba(0, 0, 0, 0);
            else if (tint && row[x] == from)
                row[x] = to;
        }
    }
    return pixels;
}

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
