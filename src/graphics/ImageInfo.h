// ImageInfo: how an image's frames are meant to be shown: chosen by hand or by the turtle's
// heading, which heading the first frame shows, and whether animation steps wrap around.
#pragma once

#include "values/LogoObject.h"

#include <cstdint>

namespace velmora {

enum class FrameStyle : uint8_t { Frame = 0, Heading = 1 };

struct ImageInfo {
    FrameStyle style = FrameStyle::Heading;
    LogoReal zeroAngle = 0; // the heading frame 1 shows
    bool loop = true; // steps wrap around rather than stop at the last

    bool operator==(const ImageInfo&) const = default;
};

// The info of an image that receives the frames of another: shown by heading only when both are,
// the receiver's zero angle, looping when either loops.
inline ImageInfo mergedInfo(const ImageInfo& receiver, const ImageInfo& given)
{
    return { .style = receiver.style == FrameStyle::Heading && given.style == FrameStyle::Heading
            ? FrameStyle::Heading
            : FrameStyle::Frame,
        .zeroAngle = receiver.zeroAngle,
        .loop = receiver.loop || given.loop };
}

} // namespace velmora
