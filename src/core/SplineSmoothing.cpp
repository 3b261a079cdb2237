#include "core/SplineSmoothing.h"

#include "core/RoundedPath.h"

#include <cmath>

namespace velmora {

namespace {

    DrawingPoint operator-(DrawingPoint a, DrawingPoint b) { return { a.x - b.x, a.y - b.y }; }

    int32_t stepsAlong(DrawingPoint from, DrawingPoint to)
    {
        const DrawingPoint d = to - from;
        const LogoReal length = std::sqrt(d.x * d.x + d.y * d.y);
        if (length < 3)
            return 5;
        if (length < 20)
            return 10;
        return length < 100 ? 20 : 50;
    }

    // The Hermite basis with Catmull-Rom tangents halved into h10 and h11.
    DrawingPoint curvePoint(
        DrawingPoint p0, DrawingPoint p1, DrawingPoint t0, DrawingPoint t1, LogoReal t)
    {
        const LogoReal t2 = t * t, t3 = t2 * t;
        const LogoReal h00 = 2 * t3 - 3 * t2 + 1, h01 = 1 - h00;
        const LogoReal h10 = (t3 - 2 * t2 + t) / 2, h11 = (t3 - t2) / 2;
        return { h00 * p0.x + h01 * p1.x + h10 * t0.x + h11 * t1.x,
            h00 * p0.y + h01 * p1.y + h10 * t0.y + h11 * t1.y };
    }

} // namespace

std::vector<DrawingPoint> smoothedSpline(std::span<const DrawingPoint> points)
{
    RoundedPath path;
    if (points.empty())
        return {};
    path.add(points[0]);
    if (points.size() < 3) {
        if (points.size() == 2)
            path.add(points[1]);
        return path.take();
    }
    const bool closed = points.back() == points.front();
    const int32_t m = static_cast<int32_t>(points.size()) - (closed ? 1 : 0);
    const auto at = [&](int32_t index) { return points[static_cast<size_t>(index)]; };
    const int32_t lastSegment = closed ? m - 1 : m - 2;
    for (int32_t i = 0; i <= lastSegment; ++i) {
        const int32_t before = i - 1 >= 0 ? i - 1 : (closed ? m - 1 : 0);
        const int32_t next = (i + 1) % m;
        const int32_t afterNext = i + 2 < m ? i + 2 : (closed ? i + 2 - m : m - 1);
        const DrawingPoint t0 = at(next) - at(before), t1 = at(afterNext) - at(i);
        const int32_t steps = stepsAlong(at(i), at(next));
        for (int32_t step = 0; step < steps; ++step)
            path.add(curvePoint(at(i), at(next), t0, t1, LogoReal(step) / steps));
        path.add(at(next));
    }
    return path.take();
}

} // namespace velmora
