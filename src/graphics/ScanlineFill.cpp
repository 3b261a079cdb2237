#include "graphics/ScanlineFill.h"

#include <algorithm>
#include <cassert>
#include <vector>

namespace velmora {

namespace {

    // A run of pixels on a row, from left to right inclusive, whose neighbours above and below
    // are still to be looked at.
    struct Span {
        int y;
        int left;
        int right;
    };

    class RegionFill {
    public:
        RegionFill(QImage& image, QRgb target, QRgb colour)
            : m_image(image)
            , m_target(target)
            , m_colour(colour)
        {
        }

        QRect run(QPoint seed)
        {
            fillSpanAround(seed.x(), seed.y());
            while (!m_pending.empty()) {
                const Span span = m_pending.back();
                m_pending.pop_back();
                seedRow(span, span.y - 1);
                seedRow(span, span.y + 1);
            }
            return m_changed;
        }

    private:
        QRgb* row(int y) { return reinterpret_cast<QRgb*>(m_image.scanLine(y)); }

        // Paints the target-coloured run through (x, y) and leaves it pending.
        void fillSpanAround(int x, int y)
        {
            QRgb* pixels = row(y);
            int left = x;
            while (left > 0 && pixels[left - 1] == m_target)
                --left;
            int right = x;
            while (right + 1 < m_image.width() && pixels[right + 1] == m_target)
                ++right;
            std::fill(pixels + left, pixels + right + 1, m_colour);
            m_changed |= QRect(left, y, right - left + 1, 1);
            m_pending.push_back({ y, left, right });
        }

        // Every target run of row y that touches the span starts a span of its own.
        void seedRow(const Span& span, int y)
        {
            if (y < 0 || y >= m_image.height())
                return;
            const QRgb* pixels = row(y);
            for (int x = span.left; x <= span.right; ++x) {
                if (pixels[x] != m_target)
                    continue;
                fillSpanAround(x, y);
                x = m_pending.back().right + 1;
            }
        }

        QImage& m_image;
        const QRgb m_target;
        const QRgb m_colour;
        std::vector<Span> m_pending;
        QRect m_changed;
    };

} // namespace

QRect scanlineFill(QImage& image, QPoint seed, QRgb colour)
{
    assert(image.format() == QImage::Format_RGB32);
    if (!image.rect().contains(seed))
        return {};
    const QRgb target = image.pixel(seed);
    const QRgb opaque = colour | 0xFF000000;
    if (target == opaque)
        return {};
    return RegionFill(image, target, opaque).run(seed);
}

} // namespace velmora
