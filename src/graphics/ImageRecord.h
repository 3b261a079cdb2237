// The image record of an LGF image chunk (LgfFormat.h): the info and every frame with its pictures.
//
// Reading skips sub-chunks it does not know and uses each known one once (the first "FS 1" of a
// frame; the first "F  1", "FI 1" and "FM 1" of a picture). In preview mode it takes only the first
// picture of the first frame. A mask whose size differs from its bitmap's, or a mask without a
// bitmap, is dropped (LogoPicture.h); a negative delay counts as none.
#pragma once

#include "graphics/ByteWriter.h"
#include "graphics/ImageContent.h"

#include <vector>

namespace velmora {

std::vector<uint8_t> imageRecord(const ImageContent& image);
ImageContent readImageRecord(ByteReader record, ImageLoadMode mode);

} // namespace velmora
