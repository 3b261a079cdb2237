#include "graphics/TurtlePatterns.h"

#include "values/LogoNumber.h"
#include "values/Random.h"

#include <array>
#include <cassert>

namespace velmora {

namespace {

    constexpr std::array penPatterns { LineStyle::SolidInsideFrame, LineStyle::Dash, LineStyle::Dot,
        LineStyle::DashDot, LineStyle::DashDotDot, LineStyle::Solid, LineStyle::None };
    static_assert(penPatterns.size() == lastPenPattern + 1);
    constexpr int32_t lastVisiblePenPattern = lastPenPattern - 1;

    constexpr std::array fillPatterns { Qt::SolidPattern, Qt::BDiagPattern, Qt::CrossPattern,
        Qt::DiagCrossPattern, Qt::FDiagPattern, Qt::HorPattern, Qt::VerPattern, Qt::NoBrush };
    constexpr int32_t lastVisibleFillPattern = 6;

    template <typename Style, size_t N>
    int32_t lastIndexOf(const std::array<Style, N>& table, Style style)
    {
        for (size_t index = N; index-- > 0;)
            if (table[index] == style)
                return static_cast<int32_t>(index);
        return 0;
    }

    template <typename Style, size_t N>
    Style patternInput(
        tlogoobject* input, const std::array<Style, N>& table, int32_t lastVisiblePattern)
    {
        if (input->isAnyWord())
            return table[static_cast<size_t>(randomInRange(0, lastVisiblePattern))];
        return table[static_cast<size_t>(
            realInRange(input->asReal(), 0, static_cast<int32_t>(N) - 1, input))];
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

int32_t penPatternOf(LineStyle style) { return lastIndexOf(penPatterns, style); }

int32_t fillPatternOf(Qt::BrushStyle style) { return lastIndexOf(fillPatterns, style); }

LineStyle penPatternInput(tlogoobject* input)
{
    return patternInput(input, penPatterns, lastVisiblePenPattern);
}

Qt::BrushStyle fillPatternInput(tlogoobject* input)
{
    return patternInput(input, fillPatterns, lastVisibleFillPattern);
}

} // namespace velmora
