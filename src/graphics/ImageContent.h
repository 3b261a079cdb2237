// ImageContent: the frames and info of an image as files hold them, before it becomes a Logo
// value. Readers and writers of picture files work on it, so they need no interpreter lock of
// their own (only their errors, which make words, do).
#pragma once

#include "graphics/ImageInfo.h"
#include "graphics/LogoFrame.h"

#include <vector>

namespace velmora {

struct ImageContent {
    std::vector<FrameRef> frames;
    ImageInfo info;
};

// How much of an image a reader takes: only the first picture of the first frame (to show a
// preview), or everything.
enum class ImageLoadMode : uint8_t { Preview = 1, Full = 2 };

} // namespace velmora
