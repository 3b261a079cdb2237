// PixelRange: the rectangle a turtle may move in, in pane pixels (y down) with its right and
// bottom edges inclusive, and PixelPoint, a turtle position in the same pixels.
//
// Positions keep extended precision: a turtle that moves in many small steps must not drift by
// the rounding of each step. They are rounded only where they meet the bitmap.
#pragma once

#include "values/LogoObject.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace velmora {

struct PixelPoint {
    LogoReal x;
    LogoReal y;

    bool operator==(const PixelPoint&) const = default;
    bool isFinite() const;
    // Rounded half away from zero, as every position becomes a pixel.
    QPoint rounded() const;
};

struct PixelRange {
    LogoReal left;
    LogoReal right; // inclusive
    LogoReal top;
    LogoReal bottom; // inclusive

    bool operator==(const PixelRange&) const = default;
    // The whole pane: from (0, 0) to (width - 1, height - 1).
    static PixelRange ofPane(QSize paneSize);

    bool contains(const PixelPoint& point) const;
    PixelPoint clamped(const PixelPoint& point) const;
    // The pixels of the range, to clip drawing to.
    QRect clipRect() const;
};

} // namespace velmora
