#include "graphics/TurtlePositions.h"

#include "core/MainVariables.h"
#include "values/Errors.h"
#include "values/LogoList.h"
#include "values/Random.h"

namespace velmora {

namespace {

    constexpr int32_t defaultMargin = 10;

    struct Margins {
        int32_t x;
        int32_t y;
    };

    // A value of "anypos" that means no margin keeps the default.
    Margins anyMargins()
    {
        tlogoobject* setting = mainObjectVariable("anypos");
        if (setting && setting->isNumber())
            return { setting->asInteger(), setting->asInteger() };
        if (setting && setting->isList() && static_cast<tLogoList*>(setting)->count() == 2) {
            auto* list = static_cast<tLogoList*>(setting);
            tlogoobject* x = list->first();
            tlogoobject* y = list->rest()->first();
            if (x->isNumber() && y->isNumber())
                return { x->asInteger(), y->asInteger() };
        }
        return { defaultMargin, defaultMargin };
    }

    LogoReal randomPixel(int32_t extent, int32_t margin)
    {
        const int64_t spread = int64_t(extent) - 2 * int64_t(margin);
        if (spread < 0)
            return extent / 2;
        return margin + (spread == 0 ? 0 : randomInRange(0, int32_t(spread - 1)));
    }

    // Where a coordinate counts from: the origin, y up, or the top-left pixel, y down.
    enum class Frame { Cartesian, Absolute };

    LogoReal pixelX(tlogoobject* x, const Surface& pane, Frame frame)
    {
        if (x->isAnyWord())
            return randomPixel(pane.size().width(), anyMargins().x);
        return frame == Frame::Absolute ? x->asReal() : pixelOf(x->asReal(), 0, pane).x;
    }

    LogoReal pixelY(tlogoobject* y, const Surface& pane, Frame frame)
    {
        if (y->isAnyWord())
            return randomPixel(pane.size().height(), anyMargins().y);
        return frame == Frame::Absolute ? y->asReal() : pixelOf(0, y->asReal(), pane).y;
    }

    PixelPoint pixelPosition(tlogoobject* position, const Surface& pane, Frame frame)
    {
        if (position->isAnyWord())
            return { pixelX(position, pane, frame), pixelY(position, pane, frame) };
        if (!position->isList() || static_cast<tLogoList*>(position)->count() != 2)
            throw eLogoException(erExpectList2, position);
        auto* list = static_cast<tLogoList*>(position);
        return { pixelX(list->first(), pane, frame), pixelY(list->rest()->first(), pane, frame) };
    }

} // namespace

PixelPoint pixelOf(LogoReal x, LogoReal y, const Surface& pane)
{
    return { pane.origin().x() + x, pane.origin().y() - y };
}

PixelPoint cartesianOf(const PixelPoint& pixel, const Surface& pane)
{
    return { pixel.x - pane.origin().x(), pane.origin().y() - pixel.y };
}

PixelPoint positionFromList(tlogoobject* position, const Surface& pane)
{
    return pixelPosition(position, pane, Frame::Cartesian);
}

PixelPoint absolutePositionFromList(tlogoobject* position, const Surface& pane)
{
    return pixelPosition(position, pane, Frame::Absolute);
}

PixelPoint positionFromCoordinates(tlogoobject* x, tlogoobject* y, const Surface& pane)
{
    return { pixelX(x, pane, Frame::Cartesian), pixelY(y, pane, Frame::Cartesian) };
}

} // namespace velmora
