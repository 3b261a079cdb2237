// The spline through a sequence of points, as "drawspline" draws it and "spline" reports it: a
// Catmull-Rom curve, closed when the last point equals the first, sampled more finely along
// longer segments (5, 10, 20 or 50 steps for segments shorter than 3, 20, 100 pixels and longer).
#pragma once

#include "core/DrawingItem.h"

#include <span>
#include <vector>

namespace velmora {

// The polyline through the points, every point rounded to 0.01 and none repeated right after
// itself. One point gives itself; two give the straight line.
std::vector<DrawingPoint> smoothedSpline(std::span<const DrawingPoint> points);

} // namespace velmora
