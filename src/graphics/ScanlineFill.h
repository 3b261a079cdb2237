// ScanlineFill: the flood fills of "fill" and "bgfill". A fill paints the region around a seed
// pixel that hangs together through the pixels' sides: the pixels of the seed's colour, or every
// pixel up to those of a border colour. The region is found a row span at a time, keeping the
// spans still to be looked at on a heap stack (a region as large as the page must not recurse)
// and marking the pixels found, so that painting cannot make a pixel look unfound; then its
// spans are painted, in a colour, a hatch pattern or by inverting.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <Qt>

#include <cstdint>

namespace velmora {

enum class FillBoundary : uint8_t {
    SameColour, // the pixels of the seed's colour
    BorderColour, // every pixel up to those of the border colour
};

struct FillArea {
    FillBoundary boundary = FillBoundary::SameColour;
    QRgb border = 0; // for BorderColour
    QRect clip; // the fill stays inside; empty for the whole image
};

struct FillPaint {
    QRgb colour;
    Qt::BrushStyle pattern = Qt::SolidPattern; // a hatch leaves the pixels between its lines
    bool inverting = false; // exclusive-or in white instead of the colour
};

// Fills in an RGB32 image and returns the rectangle it changed: empty when the seed lies outside
// the image or the clip, or on the border colour, or when a solid fill would change nothing.
QRect floodFill(QImage& image, QPoint seed, const FillArea& area, const FillPaint& paint);
// The region of the seed's colour in a solid colour, as "bgfill" paints it.
QRect scanlineFill(QImage& image, QPoint seed, QRgb colour);

} // namespace velmora
