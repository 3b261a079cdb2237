#include "graphics/BackgroundPen.h"

namespace velmora {

QPen BackgroundPen::qpen() const
{
    QPen pen(QColor::fromRgb(colour), width, qtPenStyle(style));
    // One-pixel lines end on their last point; wider ones end round, as a dot of the pen does.
    pen.setCapStyle(width == 1 ? Qt::SquareCap : Qt::RoundCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QRectF BackgroundPen::outlinePath(const QRect& box) const
{
    return velmora::outlinePath(box, width, style);
}

} // namespace velmora
