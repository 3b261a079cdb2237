#include "graphics/LogoImage.h"

#include "localization/LanguageDictionary.h"
#include "values/Errors.h"

#include <algorithm>
#include <string>

namespace velmora {

tLogoImage::tLogoImage(std::vector<FrameRef> frames, ImageInfo info)
    : tlogoobject(ValueKind::Image)
    , m_frames(std::move(frames))
    , m_info(info)
{
}

tlogoobject* tLogoImage::copy() { return new tLogoImage(m_frames, m_info); }

bool tLogoImage::equals(tlogoobject* other)
{
    if (this == other)
        return true;
    if (!other->isImage())
        return false;
    const auto& theirs = static_cast<tLogoImage*>(other)->frames();
    return std::equal(
        m_frames.begin(), m_frames.end(), theirs.begin(), theirs.end(), identicalFrames);
}

void tLogoImage::appendPrintForm(std::string& out, bool)
{
    const LanguageDictionary& dictionary = languageDictionary();
    out += m_frames.size() == 1
        ? dictionary.message("image1", std::to_string(m_frames.front()->count()))
        : dictionary.message("image", std::to_string(m_frames.size()));
}

const tLogoPicture* tLogoImage::firstPicture() const
{
    if (m_frames.empty() || m_frames.front()->pictures().empty())
        return nullptr;
    return m_frames.front()->pictures().front().get();
}

tLogoImage* requireImage(tlogoobject* value, errorConst error)
{
    if (!value->isImage())
        throw eLogoException(error, value);
    return static_cast<tLogoImage*>(value);
}

} // namespace velmora
