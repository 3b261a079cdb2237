#include "graphics/ScanlineFill.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cassert>
#include <vector>

namespace velmora {

namespace {

    // A run of pixels on a row, from left to right inclusive.
    struct Span {
        int y;
        int left;
        int right;
    };

    class RegionSearch {
    public:
        RegionSearch(QImage& image, const QRect& limit, const FillArea& area, QRgb target)
            : m_image(image)
            , m_limit(limit)
            , m_found(size_t(limit.width()) * size_t(limit.height()), 0)
            , m_sameColour(area.boundary == FillBoundary::SameColour)
            , m_colour(m_sameColour ? target : area.border | 0xFF000000)
        {
        }

        // The spans of the region around the seed.
        std::vector<Span> run(QPoint seed)
        {
            takeSpanAround(seed.x(), seed.y());
            while (!m_pending.empty()) {
                const Span span = m_pending.back();
                m_pending.pop_back();
                seedRow(span, span.y - 1);
                seedRow(span, span.y + 1);
            }
            return std::move(m_spans);
        }

    private:
        const QRgb* row(int y) const
        {
            return reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
        }
        uint8_t* foundRow(int y)
        {
            return m_found.data() + size_t(y - m_limit.top()) * size_t(m_limit.width())
                - m_limit.left();
        }

        bool belongs(QRgb pixel) const { return (pixel == m_colour) == m_sameColour; }

        // Takes the run of the region through (x, y) and leaves it pending.
        void takeSpanAround(int x, int y)
        {
            const QRgb* pixels = row(y);
            uint8_t* found = foundRow(y);
            int left = x;
            while (left > m_limit.left() && !found[left - 1] && belongs(pixels[left - 1]))
                --left;
            int right = x;
            while (right < m_limit.right() && !found[right + 1] && belongs(pixels[right + 1]))
                ++right;
            std::fill(found + left, found + right + 1, 1);
            m_spans.push_back({ y, left, right });
            m_pending.push_back({ y, left, right });
        }

        // Every run of the region on row y that touches the span starts a span of its own.
        void seedRow(const Span& span, int y)
        {
            if (y < m_limit.top() || y > m_limit.bottom())
                return;
            const QRgb* pixels = row(y);
            const uint8_t* found = foundRow(y);
            for (int x = span.left; x <= span.right; ++x) {
                if (found[x] || !belongs(pixels[x]))
                    continue;
                takeSpanAround(x, y);
                x = m_pending.back().right + 1;
            }
        }

        const QImage& m_image;
        const QRect m_limit;
        std::vector<uint8_t> m_found; // one for each pixel of the limit
        const bool m_sameColour;
        const QRgb m_colour; // the region's colour, or the border's
        std::vector<Span> m_pending;
        std::vector<Span> m_spans;
    };

    // The 8-by-8 tile of a hatch pattern, as Qt's brushes lay it from the image's corner: true
    // where the pattern marks.
    std::array<std::array<bool, 8>, 8> hatchTile(Qt::BrushStyle pattern)
    {
        QImage tile(8, 8, QImage::Format_ARGB32);
        tile.fill(Qt::transparent);
        QPainter(&tile).fillRect(tile.rect(), QBrush(Qt::black, pattern));
        std::array<std::array<bool, 8>, 8> marks {};
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                marks[size_t(y)][size_t(x)] = qAlpha(tile.pixel(x, y)) != 0;
        return marks;
    }

    QRect paintSpans(QImage& image, const std::vector<Span>& spans, const FillPaint& paint)
    {
        const QRgb colour = paint.colour | 0xFF000000;
        const bool hatched = paint.pattern != Qt::SolidPattern;
        const auto tile
            = hatched ? hatchTile(paint.pattern) : decltype(hatchTile(paint.pattern)) {};
        QRect changed;
        for (const Span& span : spans) {
            QRgb* pixels = reinterpret_cast<QRgb*>(image.scanLine(span.y));
            changed |= QRect(span.left, span.y, span.right - span.left + 1, 1);
            if (!hatched && !paint.inverting) {
                std::fill(pixels + span.left, pixels + span.right + 1, colour);
                continue;
            }
            for (int x = span.left; x <= span.right; ++x) {
                if (hatched && !tile[size_t(span.y & 7)][size_t(x & 7)])
                    continue;
                pixels[x] = paint.inverting ? pixels[x] ^ 0x00FFFFFF : colour;
            }
        }
        return changed;
    }

} // namespace

QRect floodFill(QImage& image, QPoint seed, const FillArea& area, const FillPaint& paint)
{
    assert(image.format() == QImage::Format_RGB32);
    const QRect limit = area.clip.isEmpty() ? image.rect() : area.clip & image.rect();
    if (!limit.contains(seed) || paint.pattern == Qt::NoBrush)
        return {};
    const QRgb target = image.pixel(seed);
    const bool solidCopy = paint.pattern == Qt::SolidPattern && !paint.inverting;
    if (area.boundary == FillBoundary::BorderColour && target == (area.border | 0xFF000000))
        return {};
    if (area.boundary == FillBoundary::SameColour && solidCopy
        && target == (paint.colour | 0xFF000000))
        return {};
    return paintSpans(image, RegionSearch(image, limit, area, target).run(seed), paint);
}

QRect scanlineFill(QImage& image, QPoint seed, QRgb colour)
{
    return floodFill(image, seed, {}, { colour });
}

} // namespace velmora
