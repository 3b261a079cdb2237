#include "graphics/RectangleInputs.h"

#include "values/Errors.h"
#include "values/ListHelpers.h"

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

    QPoint rounded(QPointF point) { return { roundToPixel(point.x()), roundToPixel(point.y()) }; }

    bool isPoint(tlogoobject* value)
    {
        return value->isList() && static_cast<tLogoList*>(value)->count() == 2
            && isNumericList(value);
    }

    enum class RectangleForm { TwoPoints, CornerAndExtent };

    // The elements of a list of either form; error 20 when it is neither.
    std::vector<tlogoobject*> rectangleElements(tlogoobject* rectangle, RectangleForm& form)
    {
        const std::vector<tlogoobject*> items = elementsOf(requireList(rectangle));
        const bool anyList
            = std::ranges::any_of(items, [](tlogoobject* item) { return item->isList(); });
        if (items.size() == 2 && anyList)
            form = RectangleForm::TwoPoints;
        else if (items.size() == 4 && isNumericList(rectangle))
            form = RectangleForm::CornerAndExtent;
        else
            throw eLogoException(erExpectRect, rectangle);
        return items;
    }

    // A side of no extent reaches the far edge of the background.
    QRect reachingEdges(QPoint first, QPoint second, QSize background)
    {
        if (first.x() == second.x())
            second.setX(background.width());
        if (first.y() == second.y())
            second.setY(background.height());
        return RectangleCorners { first, second }.normalized();
    }

} // namespace

QRect RectangleCorners::normalized() const
{
    const QPoint topLeft(std::min(first.x(), second.x()), std::min(first.y(), second.y()));
    const QPoint bottomRight(std::max(first.x(), second.x()), std::max(first.y(), second.y()));
    return QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
}

QPointF pointFromList(tlogoobject* point)
{
    requireList(point);
    if (!isPoint(point))
        throw eLogoException(erExpectPoint, point);
    auto* list = static_cast<tLogoList*>(point);
    return QPointF(double(list->first()->asReal()), double(list->rest()->first()->asReal()));
}

RectangleCorners rectangleFromList(tlogoobject* rectangle)
{
    RectangleForm form;
    const std::vector<tlogoobject*> items = rectangleElements(rectangle, form);
    if (form == RectangleForm::TwoPoints)
        return { rounded(pointFromList(items[0])), rounded(pointFromList(items[1])) };
    const QPointF corner(items[0]->asReal(), items[1]->asReal());
    const QPointF extent(items[2]->asReal(), items[3]->asReal());
    return { rounded(corner), rounded(corner + extent) };
}

QRect cartesianRectangleFromList(tlogoobject* rectangle, const Surface& surface)
{
    if (requireList(rectangle)->isEmpty())
        return surface.bounds();
    RectangleForm form;
    const std::vector<tlogoobject*> items = rectangleElements(rectangle, form);
    if (form == RectangleForm::TwoPoints)
        return reachingEdges(surface.toPixel(pointFromList(items[0])),
            surface.toPixel(pointFromList(items[1])), surface.size());
    const QPoint corner = surface.toPixel(QPointF(items[0]->asReal(), items[1]->asReal()));
    const QPoint extent = rounded(QPointF(items[2]->asReal(), items[3]->asReal()));
    return reachingEdges(corner, corner + extent, surface.size());
}

} // namespace velmora
