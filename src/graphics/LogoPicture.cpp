#include "graphics/LogoPicture.h"

namespace velmora {

namespace {

    constexpr int transparentIndex = 1;

    // A 1-bit image keeps eight pixels a byte, the leftmost in the highest bit.
    bool isSet(const uchar* maskLine, int x) { return maskLine[x >> 3] & (0x80 >> (x & 7)); }

    // Whatever its colour table said, the mask comes out with index 1 white: a pixel counts as
    // transparent when its colour is light.
    QImage normalisedMask(const QImage& mask)
    {
        if (mask.format() == QImage::Format_Mono && mask.colorCount() == 2
            && mask.color(0) == qRgb(0, 0, 0)
            && mask.color(transparentIndex) == qRgb(255, 255, 255))
            return mask;
        QImage made = makeOpaqueMask(mask.size());
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                if (qGray(mask.pixel(x, y)) >= 128)
                    setTransparent(made, x, y);
        return made;
    }

    bool isBlackUnderMask(const QImage& image, const QImage& mask)
    {
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            const uchar* maskLine = mask.constScanLine(y);
            for (int x = 0; x < image.width(); ++x)
                if (isSet(maskLine, x) && qRgb(0, 0, 0) != line[x])
                    return false;
        }
        return true;
    }

    // Pictures made from others share their bitmap, which is only copied when it breaks the rule.
    void blackenUnderMask(QImage& image, const QImage& mask)
    {
        if (isBlackUnderMask(image, mask))
            return;
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            const uchar* maskLine = mask.constScanLine(y);
            for (int x = 0; x < image.width(); ++x)
                if (isSet(maskLine, x))
                    line[x] = qRgb(0, 0, 0);
        }
    }

} // namespace

tLogoPicture::tLogoPicture(QImage image, QImage mask, QPoint hotSpot, int32_t delay)
    : m_image(image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32))
    , m_mask(mask.isNull() || mask.size() != m_image.size() ? QImage() : normalisedMask(mask))
    , m_hotSpot(hotSpot)
    , m_delay(delay)
{
    if (hasMask())
        blackenUnderMask(m_image, m_mask);
}

bool tLogoPicture::isTransparentAt(int x, int y) const
{
    return hasMask() && m_mask.valid(x, y) && isSet(m_mask.constScanLine(y), x);
}

PictureRef makePicture(QImage image, QImage mask, QPoint hotSpot, int32_t delay)
{
    return std::make_shared<const tLogoPicture>(std::move(image), std::move(mask), hotSpot, delay);
}

PictureRef withHotSpot(const tLogoPicture& picture, QPoint hotSpot)
{
    return makePicture(picture.image(), picture.mask(), hotSpot, picture.delay());
}

PictureRef withDelay(const tLogoPicture& picture, int32_t delay)
{
    return makePicture(picture.image(), picture.mask(), picture.hotSpot(), delay);
}

QImage makeOpaqueMask(QSize size)
{
    QImage mask(size, QImage::Format_Mono);
    mask.setColorTable({ qRgb(0, 0, 0), qRgb(255, 255, 255) });
    mask.fill(0);
    return mask;
}

void setTransparent(QImage& mask, int x, int y)
{
    mask.scanLine(y)[x >> 3] |= static_cast<uchar>(0x80 >> (x & 7));
}

} // namespace velmora
