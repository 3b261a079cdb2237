#include "graphics/ImageBuilders.h"

#include "core/StackInputs.h"
#include "graphics/LogoImage.h"
#include "interpreter/Registration.h"

namespace velmora {

namespace {

    // The frames an image made of the inputs holds, given the frames of one input.
    using FramesOf = void (*)(const tLogoImage& input, std::vector<FrameRef>& frames);

    tlogoobject* imageOfInputs(tLogoStack& stack, int32_t count, FramesOf framesOf)
    {
        std::vector<FrameRef> frames;
        ImageInfo info;
        const StackInputs inputs(stack, count);
        for (int32_t i = 0; i < count; ++i) {
            const tLogoImage& input = *requireImage(inputs[i], erBadStructure);
            info = i == 0 ? input.info() : mergedInfo(info, input.info());
            framesOf(input, frames);
        }
        return new tLogoImage(std::move(frames), info);
    }

    void sameFrames(const tLogoImage& input, std::vector<FrameRef>& frames)
    {
        frames.insert(frames.end(), input.frames().begin(), input.frames().end());
    }

    void oneFrameOfAllPictures(const tLogoImage& input, std::vector<FrameRef>& frames)
    {
        std::vector<PictureRef> pictures;
        for (const FrameRef& frame : input.frames())
            pictures.insert(pictures.end(), frame->pictures().begin(), frame->pictures().end());
        frames.push_back(makeFrame(std::move(pictures)));
    }

    void frameOfEachPicture(const tLogoImage& input, std::vector<FrameRef>& frames)
    {
        for (const FrameRef& frame : input.frames())
            for (const PictureRef& picture : frame->pictures())
                frames.push_back(makeFrame({ picture }));
    }

    tlogoobject* primImage(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        return imageOfInputs(stack, count, sameFrames);
    }

    tlogoobject* primToAnimFilm(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        return imageOfInputs(stack, count, oneFrameOfAllPictures);
    }

    tlogoobject* primToFrames(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        return imageOfInputs(stack, count, frameOfEachPicture);
    }

    tlogoobject* primEmptyImage(tlogoobject*) { return new tLogoImage; }

    bool primIsImage(tlogoobject*, tlogoobject* value) { return value->isImage(); }

} // namespace

void registerImageBuilders(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        variable("image", etFun, 2, primImage),
        fixed<0>("emptyimage", etFun, primEmptyImage),
        variable("toanimfilm", etFun, 1, primToAnimFilm),
        variable("toframes", etFun, 1, primToFrames),
        predicate<1>("image?", etFun, primIsImage),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
