#include "core/RoundedPath.h"

#include <cmath>

namespace velmora {

LogoReal roundedToHundredths(LogoReal value) { return std::round(value * 100) / 100 + 0.0L; }

void RoundedPath::add(DrawingPoint point)
{
    const DrawingPoint rounded { roundedToHundredths(point.x), roundedToHundredths(point.y) };
    if (!m_points.empty() && m_points.back() == rounded)
        return;
    if (m_points.size() >= m_limit)
        m_points.back() = rounded;
    else
        m_points.push_back(rounded);
}

} // namespace velmora
