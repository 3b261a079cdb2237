// LgwReader: the legacy shape file: a 16-bit frame count, then one record per frame, each a
// header (hot spot, record and bitmap sizes), the bitmap as a BMP file and, filling the rest of
// the record, the mask as a BMP file. Records come in two forms: a short header with 16-bit sizes
// and 8-bit hot spot offsets, used when the word after the count is not zero (it is then the first
// record's size), and a long one with 32-bit sizes and 16-bit offsets after a zero word of padding.
//
// Each record becomes a frame of one picture with no delay; the image is shown by heading.
// A record whose sizes do not fit it, or the file, is error 70 naming the file.
#pragma once

#include "graphics/ByteReader.h"
#include "graphics/ImageContent.h"

namespace velmora {

ImageContent readLgw(ByteReader file, ImageLoadMode mode);

} // namespace velmora
