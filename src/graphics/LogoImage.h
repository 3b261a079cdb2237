// tLogoImage: the image as a Logo value: a sequence of frames with the info of how they are shown.
//
// Immutable like every value: each operation that "changes" an image builds a new one that shares
// the frames and pictures of the old. An image prints as the dictionary's message "image1" with its
// picture count when it has one frame, else "image" with its frame count. Two images are equal
// when their frames are identical frame by frame (LogoFrame.h).
//
// The value itself is touched under the interpreter lock like any other; the frames and pictures
// it holds may be shared with the window and animation threads (LogoPicture.h).
#pragma once

#include "graphics/ImageInfo.h"
#include "graphics/LogoFrame.h"
#include "values/ErrorCodes.h"
#include "values/LogoObject.h"

#include <vector>

namespace velmora {

class tLogoImage final : public tlogoobject {
public:
    explicit tLogoImage(std::vector<FrameRef> frames = {}, ImageInfo info = {});

    tlogoobject* copy() override;
    bool isImage() const override { return true; }
    bool isEmpty() override { return m_frames.empty(); }
    bool equals(tlogoobject* other) override;
    void appendPrintForm(std::string& out, bool bracketed) override;
    std::string_view className() const override { return "image"; }

    const std::vector<FrameRef>& frames() const { return m_frames; }
    int32_t count() const { return static_cast<int32_t>(m_frames.size()); }
    const ImageInfo& info() const { return m_info; }
    // The first picture of the first frame, or none.
    const tLogoPicture* firstPicture() const;

private:
    std::vector<FrameRef> m_frames;
    ImageInfo m_info;
};

// The value as an image; `error` (7 or 10, as the caller's rule says) naming it when it is none.
tLogoImage* requireImage(tlogoobject* value, errorConst error);

} // namespace velmora
