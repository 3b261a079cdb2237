// Points as Logo values: [x y], whole numbers printed without a fraction.
#pragma once

#include "values/LogoObject.h"

#include <QPointF>

namespace velmora {

tlogoobject* pointList(LogoReal x, LogoReal y);
inline tlogoobject* pointList(QPointF point) { return pointList(point.x(), point.y()); }

} // namespace velmora
