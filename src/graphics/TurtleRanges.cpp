#include "graphics/TurtleRanges.h"

#include "values/Errors.h"
#include "values/ListHelpers.h"
#include "values/ValueFactory.h"

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

    constexpr LogoReal farthestEdge = 32000;

    tLogoList* requireListOf(tlogoobject* value, int32_t count)
    {
        tLogoList* list = requireList(value);
        if (list->count() != count)
            throw eLogoException(erBadStructure, list);
        return list;
    }

    PixelPoint cornerPixel(tlogoobject* x, tlogoobject* y, const Surface& pane)
    {
        return { pane.origin().x() + x->asReal(), pane.origin().y() - y->asReal() };
    }

    PixelPoint cornerPixel(tlogoobject* corner, const Surface& pane)
    {
        const std::vector<tlogoobject*> xy = elementsOf(requireListOf(corner, 2));
        return cornerPixel(xy[0], xy[1], pane);
    }

    PixelPoint farCornerPixel(
        const PixelPoint& near, tlogoobject* width, tlogoobject* height, const Surface& pane)
    {
        const LogoReal w = width->asReal();
        const LogoReal h = height->asReal();
        return { w == 0 ? pane.size().width() : near.x + w,
            h == 0 ? pane.size().height() : near.y + h };
    }

    struct Corners {
        PixelPoint near;
        PixelPoint far; // just outside the range
    };

    Corners cornersOf(tLogoList* range, const Surface& pane)
    {
        const std::vector<tlogoobject*> items = elementsOf(range);
        if (items[0]->isList()) {
            if (items.size() != 2)
                throw eLogoException(erBadStructure, range);
            return { cornerPixel(items[0], pane), cornerPixel(items[1], pane) };
        }
        if (items.size() < 3)
            throw eLogoException(erBadStructure, range);
        const PixelPoint near = cornerPixel(items[0], items[1], pane);
        const size_t expected = items[2]->isList() ? 3 : 4;
        if (items.size() != expected)
            throw eLogoException(erBadStructure, range);
        if (expected == 3)
            return { near, cornerPixel(items[2], pane) };
        return { near, farCornerPixel(near, items[2], items[3], pane) };
    }

    LogoReal edgePixel(LogoReal edge)
    {
        return roundToPixel(double(std::clamp(edge, -farthestEdge, farthestEdge)));
    }

} // namespace

std::optional<PixelRange> rangeFromList(tlogoobject* range, const Surface& pane)
{
    tLogoList* list = requireList(range);
    if (list->isEmpty())
        return std::nullopt;
    const auto [near, far] = cornersOf(list, pane);
    const auto [left, right] = std::minmax(near.x, far.x);
    const auto [top, bottom] = std::minmax(near.y, far.y);
    return PixelRange { edgePixel(left), edgePixel(right) - 1, edgePixel(top),
        edgePixel(bottom) - 1 };
}

tLogoList* rangeToList(const std::optional<PixelRange>& range, const Surface& pane)
{
    if (!range)
        return makeEmptyList();
    ListBuilder list;
    list.append(makeNumber(range->left - pane.origin().x()));
    list.append(makeNumber(pane.origin().y() - range->top));
    list.append(makeNumber(range->right - range->left + 1));
    list.append(makeNumber(range->bottom - range->top + 1));
    return list.finish();
}

} // namespace velmora
