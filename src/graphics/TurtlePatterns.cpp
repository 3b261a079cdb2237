#include "graphics/TurtlePatterns.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace velmora {

namespace {

    constexpr std::array penPatterns { LineStyle::SolidInsideFrame, LineStyle::Dash, LineStyle::Dot,
        LineStyle::DashDot, LineStyle::DashDotDot, LineStyle::Solid, LineStyle::None };
    static_assert(penPatterns.size() == lastPenPattern + 1);

    constexpr std::array fillPatterns { Qt::SolidPattern, Qt::BDiagPattern, Qt::CrossPattern,
        Qt::DiagCrossPattern, Qt::FDiagPattern, Qt::HorPattern, Qt::VerPattern, Qt::NoBrush };
    static_assert(fillPatterns.size() == lastFillPattern + 1);

    template <typename Style, size_t N>
    int32_t lastIndexOf(const std::array<Style, N>& table, Style style)
    {
        for (size_t index = N; index-- > 0;)
            if (table[index] == style)
                return static_cast<int32_t>(index);
        return 0;
    }

} // namespace

Qt::PenStyle qtPenStyle(LineStyle style)
{
    switch (style) {
    case LineStyle::SolidInsideFrame:
    case LineStyle::Solid:
        return Qt::SolidLine;
    case LineStyle::Dash:
        return Qt::DashLine;
    case LineStyle::Dot:
        return Qt::DotLine;
    case LineStyle::DashDot:
        return Qt::DashDotLine;
    case LineStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case LineStyle::None:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

LineStyle lineStyleOf(int32_t pattern)
{
    assert(pattern >= 0 && pattern <= lastPenPattern);
    return penPatterns[static_cast<size_t>(pattern)];
}

QRectF outlinePath(const QRect& box, int32_t width, LineStyle style)
{
    const qreal inset = style == LineStyle::SolidInsideFrame ? std::max(width, 1) / 2.0 : 0.5;
    return QRectF(box).adjusted(inset, inset, -inset, -inset);
}

int32_t penPatternOf(LineStyle style) { return lastIndexOf(penPatterns, style); }

int32_t fillPatternOf(Qt::BrushStyle style) { return lastIndexOf(fillPatterns, style); }

LineStyle penPatternInput(tlogoobject* input) { return lineStyleOf(penPatternNumber(input)); }

Qt::BrushStyle fillPatternInput(tlogoobject* input)
{
    return brushStyleOf(fillPatternNumber(input));
}

Qt::BrushStyle brushStyleOf(int32_t pattern)
{
    assert(pattern >= 0 && pattern <= lastFillPattern);
    return fillPatterns[static_cast<size_t>(pattern)];
}

} // namespace velmora
