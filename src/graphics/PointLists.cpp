#include "graphics/PointLists.h"

#include "values/ValueFactory.h"

namespace velmora {

tlogoobject* pointList(LogoReal x, LogoReal y)
{
    ListBuilder point;
    point.append(ValueRef(makeNumber(x)).get());
    point.append(ValueRef(makeNumber(y)).get());
    return point.finish();
}

} // namespace velmora
