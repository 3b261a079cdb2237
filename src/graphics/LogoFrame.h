// tLogoFrame: one frame of an image, the animation steps shown one after another.
//
// Immutable and shared by reference between images, like the pictures it holds. Two frames are
// identical when they are the same frame or hold the very same pictures in the same order, so a
// frame rebuilt from the pictures of another (as "toframes" does) still matches it.
#pragma once

#include "graphics/LogoPicture.h"

#include <memory>
#include <vector>

namespace velmora {

class tLogoFrame {
public:
    explicit tLogoFrame(std::vector<PictureRef> pictures)
        : m_pictures(std::move(pictures))
    {
    }

    const std::vector<PictureRef>& pictures() const { return m_pictures; }
    size_t count() const { return m_pictures.size(); }

private:
    std::vector<PictureRef> m_pictures;
};

using FrameRef = std::shared_ptr<const tLogoFrame>;

inline FrameRef makeFrame(std::vector<PictureRef> pictures)
{
    return std::make_shared<const tLogoFrame>(std::move(pictures));
}

inline bool identicalFrames(const FrameRef& a, const FrameRef& b)
{
    return a == b || a->pictures() == b->pictures();
}

} // namespace velmora
