#include "core/DrawingListPoints.h"

#include "core/DrawingCompiler.h"
#include "core/ListOperations.h"
#include "core/RoundedPath.h"
#include "core/SplineSmoothing.h"
#include "interpreter/InterpreterState.h"
#include "values/Errors.h"
#include "values/ListHelpers.h"
#include "values/ValueFactory.h"
#include "values/ValueRef.h"

namespace velmora {

namespace {

    tLogoList* pointList(LogoReal x, LogoReal y)
    {
        ListBuilder point;
        point.append(makeNumber(x));
        point.append(makeNumber(y));
        return point.finish();
    }

    bool drawsLines(const DrawingItem& item)
    {
        return item.type == DrawingItemType::Line || item.type == DrawingItemType::Polygon;
    }

} // namespace

tlogoobject* drawingListPoints(tlogoobject* list, PointForm form)
{
    const Ref<tLogoList> filled(filledTemplate(*InterpreterState::current(), requireList(list)));
    const std::vector<DrawingItem> items = compileDrawingList(filled.get(), DrawingStyle {});
    ListBuilder result;
    DrawingPoint last { 0, 0 };
    bool first = true;
    for (const DrawingItem& item : items) {
        if (!drawsLines(item))
            continue;
        if (!std::exchange(first, false))
            result.append(makeEmptyList());
        for (const DrawingPoint& point : item.points) {
            if (form == PointForm::Points)
                result.append(pointList(point.x, -point.y));
            else
                result.append(pointList(
                    roundedToHundredths(point.x - last.x), roundedToHundredths(last.y - point.y)));
            last = point;
        }
    }
    return result.finish();
}

tlogoobject* splinePoints(tlogoobject* list)
{
    std::vector<DrawingPoint> points;
    for (tlogoobject* element : elementsOf(requireList(list))) {
        if (!isNumericList(element) || static_cast<tLogoList*>(element)->count() != 2)
            throw eLogoException(erBadStructure, element);
        auto* pair = static_cast<tLogoList*>(element);
        points.push_back({ pair->first()->asReal(), pair->rest()->first()->asReal() });
    }
    ListBuilder result;
    for (const DrawingPoint& point : smoothedSpline(points))
        result.append(pointList(point.x, point.y));
    return result.finish();
}

} // namespace velmora
