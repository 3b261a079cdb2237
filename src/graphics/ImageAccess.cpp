// Reading images frame by frame: "count", "first", "last", "butfirst", "butlast", "item", "pick"
// and the member family. Positions count from 1; with the strictness level at 0 a position outside
// the image gives an empty image instead of an error.
#include "graphics/ImageOperationRows.h"
#include "values/Errors.h"
#include "values/ListHelpers.h"
#include "values/Random.h"
#include "values/Strictness.h"

#include <algorithm>

namespace velmora {

namespace {

    int32_t primCount(tlogoobject* self) { return image(self)->count(); }

    tlogoobject* oneFrame(const tLogoImage& from, size_t index)
    {
        return imageLike(from, { from.frames()[index] });
    }

    tlogoobject* primFirst(tlogoobject* self)
    {
        return self->isEmpty() ? emptyImageAnswer(*image(self)) : oneFrame(*image(self), 0);
    }

    tlogoobject* primLast(tlogoobject* self)
    {
        tLogoImage& from = *image(self);
        return from.isEmpty() ? emptyImageAnswer(from) : oneFrame(from, from.frames().size() - 1);
    }

    tlogoobject* primButFirst(tlogoobject* self)
    {
        tLogoImage& from = *image(self);
        if (from.frames().empty())
            return emptyImageAnswer(from);
        return imageLike(from, { from.frames().begin() + 1, from.frames().end() });
    }

    tlogoobject* primButLast(tlogoobject* self)
    {
        tLogoImage& from = *image(self);
        if (from.frames().empty())
            return emptyImageAnswer(from);
        return imageLike(from, { from.frames().begin(), from.frames().end() - 1 });
    }

    bool inside(const tLogoImage& from, int64_t position)
    {
        return position >= 1 && position <= from.count();
    }

    // A position outside the image at a strictness level above 0: error 17 for an empty image,
    // 11 otherwise.
    [[noreturn]] void refusePosition(tLogoImage& from, tlogoobject* spec)
    {
        if (from.frames().empty())
            throw eLogoException(erEmptyImage, &from);
        throw eLogoException(erShortList, spec);
    }

    // The frames of a range [from count]; a start below 1 counts as 1 and shortens the range.
    void appendRange(const tLogoImage& from, tlogoobject* spec, std::vector<FrameRef>& chosen)
    {
        const std::vector<tlogoobject*> parts = elementsOf(static_cast<tLogoList*>(spec));
        if (parts.size() != 2)
            throw eLogoException(erExpectList2, spec);
        int64_t start = parts[0]->asInteger();
        int64_t count = parts[1]->asInteger();
        if (start < 1) {
            count -= 1 - start;
            start = 1;
        }
        for (int64_t position = start; count > 0 && inside(from, position); ++position, --count)
            chosen.push_back(from.frames()[static_cast<size_t>(position - 1)]);
    }

    // One element of a list of specs: a position (skipped when outside at strictness 0) or a
    // range; error 6 for anything else.
    void appendSpec(tLogoImage& from, tlogoobject* spec, std::vector<FrameRef>& chosen)
    {
        if (spec->isList())
            return appendRange(from, spec, chosen);
        if (!spec->isNumber())
            throw eLogoException(erExpectList, spec);
        const int32_t position = spec->asInteger();
        if (inside(from, position))
            chosen.push_back(from.frames()[static_cast<size_t>(position - 1)]);
        else if (strictLevel() > 0)
            refusePosition(from, spec);
    }

    bool isRange(tlogoobject* spec)
    {
        const std::vector<tlogoobject*> parts = elementsOf(static_cast<tLogoList*>(spec));
        return parts.size() == 2 && parts[0]->isNumber() && parts[1]->isNumber();
    }

    tlogoobject* primItem(tlogoobject* self, tlogoobject* spec)
    {
        tLogoImage& from = *image(self);
        std::vector<FrameRef> chosen;
        if (!spec->isList()) {
            const int32_t position = spec->asInteger();
            if (inside(from, position))
                return oneFrame(from, static_cast<size_t>(position - 1));
            if (strictLevel() > 0)
                refusePosition(from, spec);
        } else if (isRange(spec)) {
            appendRange(from, spec, chosen);
        } else {
            for (tlogoobject* part : elements(static_cast<tLogoList*>(spec)))
                appendSpec(from, part, chosen);
        }
        return imageLike(from, std::move(chosen));
    }

    tlogoobject* primPick(tlogoobject* self)
    {
        tLogoImage& from = *image(self);
        if (from.frames().empty())
            return emptyImageAnswer(from);
        return oneFrame(from, static_cast<size_t>(randomInRange(0, from.count() - 1)));
    }

    // Where the frames of x first occur one after another in the image: an index from 0, or none.
    // An empty x occurs at the start.
    std::optional<size_t> occurrence(const tLogoImage& in, const tLogoImage& x)
    {
        const auto& frames = in.frames();
        const auto found = std::search(
            frames.begin(), frames.end(), x.frames().begin(), x.frames().end(), identicalFrames);
        if (found == frames.end() && !x.frames().empty())
            return std::nullopt;
        return static_cast<size_t>(found - frames.begin());
    }

    bool primIsMember(tlogoobject* self, tlogoobject* x)
    {
        return occurrence(*image(self), *requireImage(x, erBadStructure)).has_value();
    }

    int32_t primMember(tlogoobject* self, tlogoobject* x)
    {
        const auto found = occurrence(*image(self), *requireImage(x, erBadStructure));
        return found ? static_cast<int32_t>(*found) + 1 : 0;
    }

    // The frames after the first one identical to the frame x stands for; all frames for an
    // empty x, none when no frame matches.
    tlogoobject* primFromMember(tlogoobject* self, tlogoobject* x)
    {
        tLogoImage& from = *image(self);
        const tLogoImage& sought = *requireImage(x, erExpectImage);
        if (sought.frames().empty())
            return self;
        const auto& frames = from.frames();
        auto found = std::find_if(frames.begin(), frames.end(),
            [&](const FrameRef& frame) { return identicalFrames(frame, soughtFrame(sought)); });
        if (found != frames.end())
            ++found;
        return imageLike(from, { found, frames.end() });
    }

} // namespace

tLogoImage* emptyImageAnswer(tLogoImage& empty)
{
    if (strictLevel() > 0)
        throw eLogoException(erEmptyImage, &empty);
    return imageLike(empty, {});
}

const FrameRef& soughtFrame(const tLogoImage& x)
{
    return x.frames()[x.frames().size() > 1 ? 1 : 0];
}

std::span<const PrimitiveRow> imageAccessRows()
{
    static constexpr PrimitiveRow rows[] = {
        classOperation<0, ResultForm::Integer>("count", primCount),
        classOperation<0>("first", primFirst),
        classOperation<0>("last", primLast),
        classOperation<0>("butfirst", primButFirst),
        classOperation<0>("butlast", primButLast),
        classOperation<1>("item", primItem),
        classOperation<0>("pick", primPick),
        classOperation<1, ResultForm::Truth>("member?", primIsMember),
        classOperation<1, ResultForm::Integer>("member", primMember),
        classOperation<1>("frommember", primFromMember),
    };
    return rows;
}

} // namespace velmora
