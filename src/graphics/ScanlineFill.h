// ScanlineFill: the flood fill of "bgfill". It paints the region of pixels that have the colour
// of the seed pixel and hang together through their sides, a row span at a time, keeping the
// spans still to be looked at on a heap stack: a region as large as the page must not recurse.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

namespace velmora {

// Fills in an RGB32 image and returns the rectangle it changed: empty when the seed lies outside
// the image or already has the colour.
QRect scanlineFill(QImage& image, QPoint seed, QRgb colour);

} // namespace velmora
