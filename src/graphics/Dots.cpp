#include "graphics/Dots.h"

#include <algorithm>
#include <cmath>

namespace velmora {

void paintDot(QPainter& painter, QPoint at, int32_t size, const QColor& colour)
{
    const QPoint corner = at - QPoint(size / 2, size / 2);
    const double centre = (size - 1) / 2.0;
    const double radiusSquared = double(size) * size / 4;
    for (int row = 0; row < size; ++row) {
        const double rise = row - centre;
        const double reach = std::sqrt(std::max(0.0, radiusSquared - rise * rise));
        const int first = int(std::ceil(centre - reach));
        const int last = int(std::floor(centre + reach));
        if (first <= last)
            painter.fillRect(
                QRect(corner.x() + first, corner.y() + row, last - first + 1, 1), colour);
    }
}

QRect dotArea(QPoint at, int32_t size)
{
    return QRect(at - QPoint(size / 2, size / 2), QSize(size, size));
}

} // namespace velmora
