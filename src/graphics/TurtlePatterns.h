// TurtlePatterns: the pen patterns (line styles) and fill patterns (brush styles) by the small
// numbers that Logo gives them; turtles' pens and the background pen of surfaces number them
// alike.
//
// Pen patterns: 0 solid drawn inside the frame, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot,
// 5 solid, 6 none. Fill patterns: 0 solid, 1 backward diagonal hatch, 2 cross hatch, 3 diagonal
// cross hatch, 4 forward diagonal hatch, 5 horizontal hatch, 6 vertical hatch, 7 none. A turtle
// keeps the style, not the number, because drawing lists may set styles of their own; reading the
// number back searches the table from its last entry down and gives 0 for a style it lacks.
//
// The readers of Logo inputs run under the interpreter lock (they draw from the random source).
#pragma once

#include "core/PatternNumbers.h"
#include "values/LogoObject.h"

#include <QRect>
#include <QRectF>
#include <Qt>

#include <cstdint>

namespace velmora {

// Patterns 0 and 5 both draw solid lines; they differ when a wide pen outlines a figure, where
// the inside-frame line keeps within the figure's rectangle.
enum class LineStyle : uint8_t { SolidInsideFrame, Dash, Dot, DashDot, DashDotDot, Solid, None };

Qt::PenStyle qtPenStyle(LineStyle style);
// The style of a pattern number from 0 to lastPenPattern, or 0 to lastFillPattern.
LineStyle lineStyleOf(int32_t pattern);
Qt::BrushStyle brushStyleOf(int32_t pattern);

// The line along which the middle of an outline of the box runs: inside the box by half the
// width for the pattern kept inside the frame, through the box's edge pixels otherwise.
QRectF outlinePath(const QRect& box, int32_t width, LineStyle style);

int32_t penPatternOf(LineStyle style);
int32_t fillPatternOf(Qt::BrushStyle style);

// A pattern number, or "any" (pen patterns 0 .. 5, fill patterns 0 .. 6: never the invisible
// ones). Error 26 for a number outside the table, 12 for no number.
LineStyle penPatternInput(tlogoobject* input);
Qt::BrushStyle fillPatternInput(tlogoobject* input);

} // namespace velmora
