#include "core/EllipseArc.h"

#include "values/Angles.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

    struct Span {
        LogoReal from;
        LogoReal to;
    };

    Span normalized(LogoReal from, LogoReal to)
    {
        from = std::fmod(from, LogoReal(360));
        if (from < 0)
            from += 360;
        to = from + std::fmod(to - from, LogoReal(360));
        while (to <= from)
            to += 360;
        return { from, to };
    }

    // Degrees between samples: finer for larger ellipses, from 1 to 12.
    LogoReal sampleStep(LogoReal radiusX, LogoReal radiusY)
    {
        const LogoReal divisor = (radiusX + radiusY) * 1.5L - std::sqrt(radiusX * radiusY);
        if (!(divisor > 0))
            return 1;
        return std::clamp(1200 / divisor, LogoReal(1), LogoReal(12));
    }

} // namespace

EllipseRecord ellipseRecord(const EllipseArc& arc)
{
    const Span span = normalized(arc.from, arc.to);
    return { arc.centre, std::fabs(arc.width / 2), std::fabs(arc.height / 2), arc.heading,
        span.to - span.from == 360 };
}

std::vector<DrawingPoint> ellipsePoints(const EllipseArc& arc)
{
    const EllipseRecord record = ellipseRecord(arc);
    const Span span = normalized(arc.from, arc.to);
    const CosineAndSine turn = cosineAndSineOfDegrees(arc.heading);
    const auto pointAt = [&](LogoReal degrees) {
        const CosineAndSine on = cosineAndSineOfDegrees(degrees);
        const LogoReal x = record.radiusX * on.sine, y = -record.radiusY * on.cosine;
        return DrawingPoint { record.centre.x + x * turn.cosine - y * turn.sine,
            record.centre.y + x * turn.sine + y * turn.cosine };
    };
    const LogoReal step = sampleStep(record.radiusX, record.radiusY);
    std::vector<DrawingPoint> points;
    const int32_t samples = static_cast<int32_t>(std::ceil((span.to - span.from) / step));
    for (int32_t index = 0; index < samples; ++index)
        points.push_back(pointAt(span.from + index * step));
    points.push_back(pointAt(span.to));
    return points;
}

} // namespace velmora
