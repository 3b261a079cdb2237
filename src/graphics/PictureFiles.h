// PictureFiles: the common picture files, decoded by Qt's image readers and made into images.
//
// A BMP, ICO or JPEG file is one picture: the bitmap in 24 bits (an icon drawn on black, as on a
// fresh bitmap), its hot spot at the centre, no delay and no mask, shown by hand ("frame"). A GIF
// is one frame whose pictures are the GIF's frames (only the first in preview mode), each with
// its delay and a mask of its transparent pixels; Qt places each GIF frame at its offset on the
// GIF's whole area, so every picture has that size and its hot spot at the centre.
//
// Metafiles (WMF, EMF) have no renderer here: error 42 naming the file. A file the reader cannot
// decode is error 70 naming the file, and so is one that claims more than `largestPicture`
// pixels, or more than its bytes could plausibly describe (`pixelsPerFileByte` each, which no
// common picture of those formats reaches, with `smallestPictureLimit` allowed to any file):
// the readers allocate the whole picture before they decode it.
#pragma once

#include "graphics/ImageContent.h"

#include <QImage>

#include <span>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr int64_t largestPicture = int64_t { 1 } << 24;
inline constexpr int64_t pixelsPerFileByte = 1024;
inline constexpr int64_t smallestPictureLimit = int64_t { 1 } << 20;

// Whether the extension (upper case, without its dot) is one of the picture files above.
bool isPictureExtension(std::string_view extension);

ImageContent readPictureFile(std::span<const uint8_t> bytes, std::string_view extension,
    ImageLoadMode mode, const std::string& source);

// A single bitmap as an image: one frame of one picture, hot spot at the centre, style "frame".
ImageContent contentOfBitmap(QImage bitmap);

} // namespace velmora
