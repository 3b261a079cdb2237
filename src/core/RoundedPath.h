// RoundedPath: the points of a line as drawing lists and splines collect them: each coordinate
// rounded to 0.01, a point equal to the one before left out, and, for the lines of drawing lists,
// at most 9999 points, a further point taking the place of the last.
#pragma once

#include "core/DrawingItem.h"

#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

namespace velmora {

constexpr size_t maximumLinePoints = 9999;

// Half away from zero, to 0.01; never -0.
LogoReal roundedToHundredths(LogoReal value);

class RoundedPath {
public:
    explicit RoundedPath(size_t limit = std::numeric_limits<size_t>::max())
        : m_limit(limit)
    {
    }

    void add(DrawingPoint point);
    const std::vector<DrawingPoint>& points() const { return m_points; }
    std::vector<DrawingPoint> take() { return std::exchange(m_points, {}); }
    bool empty() const { return m_points.empty(); }
    size_t size() const { return m_points.size(); }

private:
    size_t m_limit;
    std::vector<DrawingPoint> m_points;
};

} // namespace velmora
