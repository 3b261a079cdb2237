#include "graphics/PixelRange.h"

#include "graphics/Surface.h"

#include <algorithm>
#include <cmath>

namespace velmora {

bool PixelPoint::isFinite() const { return std::isfinite(x) && std::isfinite(y); }

QPoint PixelPoint::rounded() const
{
    return { roundToPixel(static_cast<double>(x)), roundToPixel(static_cast<double>(y)) };
}

PixelRange PixelRange::ofPane(QSize paneSize)
{
    return { 0, LogoReal(paneSize.width() - 1), 0, LogoReal(paneSize.height() - 1) };
}

bool PixelRange::contains(const PixelPoint& point) const
{
    return point.x >= left && point.x <= right && point.y >= top && point.y <= bottom;
}

// std::clamp would assert on a range whose edges are crossed; a zero-size range is valid.
PixelPoint PixelRange::clamped(const PixelPoint& point) const
{
    return { std::min(std::max(point.x, left), right), std::min(std::max(point.y, top), bottom) };
}

QRect PixelRange::clipRect() const
{
    return QRect(PixelPoint { left, top }.rounded(), PixelPoint { right, bottom }.rounded());
}

} // namespace velmora
