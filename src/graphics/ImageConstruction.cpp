// Building images from images: "fput", "lput", "replace", "butitem", "butmember", "reverse",
// "shuffle", "foreach" and the comparisons. The image applied to is never changed; results share
// its frames.
#include "core/ForEachScope.h"
#include "graphics/ImageOperationRows.h"
#include "interpreter/Compiler.h"
#include "interpreter/Evaluator.h"
#include "values/Errors.h"
#include "values/ListHelpers.h"
#include "values/Random.h"

#include <algorithm>

namespace velmora {

namespace {

    tlogoobject* joined(const tLogoImage& front, const tLogoImage& back, const tLogoImage& receiver,
        const tLogoImage& given)
    {
        std::vector<FrameRef> frames = front.frames();
        frames.insert(frames.end(), back.frames().begin(), back.frames().end());
        return new tLogoImage(std::move(frames), mergedInfo(receiver.info(), given.info()));
    }

    tlogoobject* primFput(tlogoobject* self, tlogoobject* x)
    {
        const tLogoImage& given = *requireImage(x, erBadStructure);
        return joined(given, *image(self), *image(self), given);
    }

    tlogoobject* primLput(tlogoobject* self, tlogoobject* x)
    {
        const tLogoImage& given = *requireImage(x, erBadStructure);
        return joined(*image(self), given, *image(self), given);
    }

    // A position p (count 1) or [p count]: error 13 for a list of another length, 12 for anything
    // but a number or a list.
    std::pair<int64_t, int64_t> positionAndCount(tlogoobject* spec)
    {
        if (!spec->isList())
            return { spec->asInteger(), 1 };
        const std::vector<tlogoobject*> parts = elementsOf(static_cast<tLogoList*>(spec));
        if (parts.size() != 2)
            throw eLogoException(erExpectList2, spec);
        return { parts[0]->asInteger(), parts[1]->asInteger() };
    }

    // The frames from index `start` on (from 0), at most `count` of them.
    std::vector<FrameRef> framesFrom(const tLogoImage& from, int64_t start, int64_t count)
    {
        const auto& frames = from.frames();
        const int64_t first = std::clamp<int64_t>(start, 0, from.count());
        const int64_t end
            = std::clamp<int64_t>(first + std::max<int64_t>(count, 0), first, from.count());
        return { frames.begin() + first, frames.begin() + end };
    }

    // The frames from position p on (count c) give way to the frames of x; p beyond the end
    // appends them, p below 1 puts them in front and removes nothing.
    tlogoobject* primReplace(tlogoobject* self, tlogoobject* spec, tlogoobject* x)
    {
        const tLogoImage& from = *image(self);
        const auto [position, count] = positionAndCount(spec);
        const tLogoImage& inserted = *requireImage(x, erExpectImage);
        const int64_t start = std::clamp<int64_t>(position - 1, 0, from.count());
        const int64_t removed = position < 1 ? 0 : std::max<int64_t>(count, 0);
        std::vector<FrameRef> frames = framesFrom(from, 0, start);
        frames.insert(frames.end(), inserted.frames().begin(), inserted.frames().end());
        const std::vector<FrameRef> rest = framesFrom(from, start + removed, from.count());
        frames.insert(frames.end(), rest.begin(), rest.end());
        return imageLike(from, std::move(frames));
    }

    // The c frames that follow the p-th frame (p alone: c = 1); a position below 1 shortens c by
    // the positions before 1.
    tlogoobject* primButItem(tlogoobject* self, tlogoobject* spec)
    {
        auto [position, count] = positionAndCount(spec);
        if (position < 1) {
            count -= 1 - position;
            position = 1;
        }
        return imageLike(*image(self), framesFrom(*image(self), position, count));
    }

    // The frames not identical to the frame x stands for; the image itself for an empty x.
    tlogoobject* primButMember(tlogoobject* self, tlogoobject* x)
    {
        const tLogoImage& sought = *requireImage(x, erExpectImage);
        if (sought.frames().empty())
            return self;
        std::vector<FrameRef> kept;
        for (const FrameRef& frame : image(self)->frames())
            if (!identicalFrames(frame, soughtFrame(sought)))
                kept.push_back(frame);
        return imageLike(*image(self), std::move(kept));
    }

    tlogoobject* primReverse(tlogoobject* self)
    {
        const auto& frames = image(self)->frames();
        return imageLike(*image(self), { frames.rbegin(), frames.rend() });
    }

    // Each step takes a random frame among those not taken yet.
    tlogoobject* primShuffle(tlogoobject* self)
    {
        std::vector<FrameRef> remaining = image(self)->frames();
        std::vector<FrameRef> shuffled;
        shuffled.reserve(remaining.size());
        while (!remaining.empty()) {
            const auto index = randomInRange(0, static_cast<int32_t>(remaining.size()) - 1);
            shuffled.push_back(remaining[static_cast<size_t>(index)]);
            remaining.erase(remaining.begin() + index);
        }
        return imageLike(*image(self), std::move(shuffled));
    }

    // The name is bound to a one-frame image of each frame in turn.
    tlogoobject* primForEach(tlogoobject* self, tlogoobject* name, tlogoobject* instructions)
    {
        InterpreterState& state = *InterpreterState::current();
        const CodeRef code(compile(instructions, CompileMode::Instructions));
        ForEachScope scope(state, name->nameCode());
        for (const FrameRef& frame : image(self)->frames()) {
            scope.next(ValueRef(imageLike(*image(self), { frame })).get());
            evaluator::runList(state, code.get());
            if (state.stopFlag)
                break;
        }
        return nullptr;
    }

    bool primEqual(tlogoobject* self, tlogoobject* x) { return self->equals(x); }
    bool primNotEqual(tlogoobject* self, tlogoobject* x) { return self->differs(x); }

} // namespace

std::span<const PrimitiveRow> imageConstructionRows()
{
    static constexpr PrimitiveRow rows[] = {
        classOperation<1>("fput", primFput),
        classOperation<1>("lput", primLput),
        classOperation<2>("replace", primReplace),
        classOperation<1>("butitem", primButItem),
        classOperation<1>("butmember", primButMember),
        classOperation<0>("reverse", primReverse),
        classOperation<0>("shuffle", primShuffle),
        classOperation<2>("foreach", primForEach),
        classOperation<1, ResultForm::Truth>("=", primEqual),
        classOperation<1, ResultForm::Truth>("<>", primNotEqual),
    };
    return rows;
}

} // namespace velmora
