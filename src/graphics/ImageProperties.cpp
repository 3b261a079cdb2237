// The pictures' properties and the image info as Logo reads and sets them: "imagesize", "delay",
// "setdelay", "hotspot", "sethotspot", "imageinfo", "setimageinfo", and "rotate" and "tintcolour",
// which make every picture anew. The readers look at the first picture of the first frame; the
// setters change every picture.
#include "core/ParamWords.h"
#include "graphics/ImageOperationRows.h"
#include "graphics/PenInputs.h"
#include "graphics/PictureRotation.h"
#include "graphics/PictureTint.h"
#include "localization/LanguageDictionary.h"
#include "values/Errors.h"
#include "values/ListHelpers.h"
#include "values/ValueFactory.h"

#include <cmath>
#include <functional>
#include <limits>

namespace velmora {

namespace {

    using PictureChange = std::function<PictureRef(const tLogoPicture&)>;

    tlogoobject* withEveryPicture(const tLogoImage& from, const PictureChange& change)
    {
        std::vector<FrameRef> frames;
        frames.reserve(from.frames().size());
        for (const FrameRef& frame : from.frames()) {
            std::vector<PictureRef> pictures;
            pictures.reserve(frame->count());
            for (const PictureRef& picture : frame->pictures())
                pictures.push_back(change(*picture));
            frames.push_back(makeFrame(std::move(pictures)));
        }
        return imageLike(from, std::move(frames));
    }

    tlogoobject* pair(int32_t a, int32_t b)
    {
        tlogoobject* both[] = { makeInteger(a), makeInteger(b) };
        return listOf(both);
    }

    tlogoobject* primImageSize(tlogoobject* self)
    {
        const tLogoPicture* first = image(self)->firstPicture();
        return first ? pair(first->width(), first->height()) : pair(0, 0);
    }

    int32_t primDelay(tlogoobject* self)
    {
        const tLogoPicture* first = image(self)->firstPicture();
        return first ? first->delay() : 0;
    }

    tlogoobject* primSetDelay(tlogoobject* self, tlogoobject* milliseconds)
    {
        const int32_t delay = milliseconds->intInRange(0, std::numeric_limits<int32_t>::max());
        return withEveryPicture(*image(self),
            [delay](const tLogoPicture& picture) { return withDelay(picture, delay); });
    }

    tlogoobject* primHotSpot(tlogoobject* self)
    {
        const tLogoPicture* first = image(self)->firstPicture();
        return first ? pair(first->hotSpot().x(), first->hotSpot().y()) : pair(0, 0);
    }

    tlogoobject* primSetHotSpot(tlogoobject* self, tlogoobject* point)
    {
        const std::vector<tlogoobject*> parts = point->isList()
            ? elementsOf(static_cast<tLogoList*>(point))
            : std::vector<tlogoobject*> {};
        if (parts.size() != 2)
            throw eLogoException(erExpectList2, point);
        const QPoint hotSpot(parts[0]->asInteger(), parts[1]->asInteger());
        return withEveryPicture(*image(self),
            [hotSpot](const tLogoPicture& picture) { return withHotSpot(picture, hotSpot); });
    }

    std::string paramWord(std::string_view key)
    {
        return languageDictionary().firstWord("param", key);
    }

    tlogoobject* primImageInfo(tlogoobject* self)
    {
        const ImageInfo& info = image(self)->info();
        ListBuilder made;
        made.append(makeWord(paramWord("style")));
        made.append(makeWord(paramWord(info.style == FrameStyle::Heading ? "heading" : "frame")));
        made.append(makeWord(paramWord("zeroangle")));
        made.append(makeNumber(info.zeroAngle));
        made.append(makeWord(paramWord("loop")));
        made.append(makeWord(paramWord(info.loop ? "looptrue" : "loopfalse")));
        return made.finish();
    }

    // One name and its value of "setimageinfo"; error 8 for a name or value it does not know.
    void applyInfo(ImageInfo& info, tlogoobject* name, tlogoobject* value)
    {
        if (isParamWord("style", name)
            && (isParamWord("frame", value) || isParamWord("heading", value)))
            info.style = isParamWord("heading", value) ? FrameStyle::Heading : FrameStyle::Frame;
        else if (isParamWord("zeroangle", name) && value->isNumber())
            info.zeroAngle = value->asReal();
        else if (isParamWord("loop", name)
            && (isParamWord("looptrue", value) || isParamWord("loopfalse", value)))
            info.loop = isParamWord("looptrue", value);
        else
            throw eLogoException(erExpectWord,
                isParamWord("style", name) || isParamWord("zeroangle", name)
                        || isParamWord("loop", name)
                    ? value
                    : name);
    }

    tlogoobject* primSetImageInfo(tlogoobject* self, tlogoobject* settings)
    {
        const std::vector<tlogoobject*> parts = elementsOf(requireList(settings));
        ImageInfo info = image(self)->info();
        for (size_t i = 0; i < parts.size(); i += 2) {
            if (i + 1 == parts.size())
                throw eLogoException(erEvenNumber, parts[i]);
            applyInfo(info, parts[i], parts[i + 1]);
        }
        if (info == image(self)->info())
            return self;
        return new tLogoImage(image(self)->frames(), info);
    }

    // Error 9 for an angle that is no finite number, or a picture whose rotated bitmap would be
    // too large to make.
    tlogoobject* primRotate(tlogoobject* self, tlogoobject* angle)
    {
        const LogoReal degrees = angle->asReal();
        if (!std::isfinite(degrees))
            throw eLogoException(erBadValue, angle);
        if (std::fmod(degrees, 360.0L) == 0)
            return self;
        return withEveryPicture(*image(self), [&](const tLogoPicture& picture) {
            if (PictureRef rotated = rotatedPicture(picture, degrees))
                return rotated;
            throw eLogoException(erBadValue, self);
        });
    }

    tlogoobject* primTintColour(tlogoobject* self, tlogoobject* colour)
    {
        const QRgb tint = colourInput(colour);
        return withEveryPicture(*image(self),
            [tint](const tLogoPicture& picture) { return tintedPicture(picture, tint); });
    }

} // namespace

std::span<const PrimitiveRow> imagePropertyRows()
{
    static constexpr PrimitiveRow rows[] = {
        classOperation<0>("imagesize", primImageSize),
        classOperation<0, ResultForm::Integer>("delay", primDelay),
        classOperation<1>("setdelay", primSetDelay),
        classOperation<0>("hotspot", primHotSpot),
        classOperation<1>("sethotspot", primSetHotSpot),
        classOperation<0>("imageinfo", primImageInfo),
        classOperation<1>("setimageinfo", primSetImageInfo),
        classOperation<1>("rotate", primRotate),
        classOperation<1>("tintcolour", primTintColour),
    };
    return rows;
}

} // namespace velmora
