// BmpCodec: the BMP files stored inside image chunks and legacy shape files.
//
// Pictures are written as 24-bit files and masks as 1-bit files (index 1 white, transparent).
// Reading takes uncompressed files of 1, 4, 8, 24 or 32 bits per pixel, bottom-up or top-down.
// A file whose pixel rows are not all there is malformed (error 70 naming the source): a header
// cannot make the reader allocate more than the bytes present could describe.
#pragma once

#include "graphics/ByteReader.h"

#include <QImage>

#include <vector>

namespace velmora {

std::vector<uint8_t> encodeBmp(const QImage& image);
// The mask as a 1-bit file: index 1 (white) where it is transparent.
std::vector<uint8_t> encodeMaskBmp(const QImage& mask);

// An RGB32 image of any supported depth.
QImage decodeBmp(ByteReader file);
// A 1-bit file as a 1-bit mask with index 1 white, whatever its palette; other depths as RGB32
// (the picture turns light pixels into transparent ones).
QImage decodeMaskBmp(ByteReader file);

} // namespace velmora
